// An error that escapes a handler of the window reaches the application object, which shows
// the report dialog; the window keeps working. The report also reaches standard error when the
// program dies of a fatal signal, with the settings of the last recompute.
#include <sys/wait.h>
#include <unistd.h>

#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <csignal>
#include <stdexcept>

#include "ephemeris/fn_Ephemeris.h"
#include "platform/Errors.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Application.h"
#include "ui/CityList.h"
#include "ui/CrashReportDialog.h"
#include "ui/DateField.h"
#include "ui/NumericField.h"
#include "ui/RadioGroup.h"

namespace orvandel::test {

namespace {

constexpr int SaudiArabia = 0;

// The week of 1 January of year 1 starts on 30 December of year 0, which the date services
// refuse: every recompute of that week fails with EConvertError until another date is set.
void SetDateOfAWeekInYearZero(TForm1& form) {
    form.edCalendar->SetValue(EncodeDate(1, 1, 1));
}

enum Trigger { DateSet, CityClick, OptionClick };

TApplication* App() {
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

// Acts as the user (or the window's start, for the date) would; each way ends in
// RefreshTimetable.
void Act(TForm1& form, Trigger trigger) {
    switch (trigger) {
        case DateSet:
            SetDateOfAWeekInYearZero(form);
            break;
        case CityClick:
            QTest::mouseClick(form.CityList, Qt::LeftButton, {},
                              form.CityList->ItemRect(SaudiArabia, 0).center());
            break;
        case OptionClick:
            QTest::mouseClick(form.cbRoundMinutes, Qt::LeftButton, {},
                              QPoint(6, form.cbRoundMinutes->height() / 2));
            break;
    }
}

// The fault an event handler outside the window raises, by index.
enum Fault { OurError, StandardError, NonStandard };

// An object whose event handler fails, outside the window's guarded handlers.
class FailingReceiver : public QObject {
  public:
    explicit FailingReceiver(Fault fault) : FFault(fault) {}

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            switch (FFault) {
                case OurError:
                    throw ERangeError("forced failure outside the window");
                case StandardError:
                    throw std::out_of_range("forced standard failure");
                case NonStandard:
                    throw 42;
            }
        }
        return QObject::event(event);
    }

  private:
    Fault FFault;
};

// The row of the week that a date serial falls on (Saturday = 1 ... Friday = 7).
int RowOf(TDateTime date) {
    return DayOfWeek(date) % 7 + 1;
}

}  // namespace

class CrashReportTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        if (TCrashReportDialog* dialog = App()->ReportDialog()) {
            dialog->close();
        }
        QTRY_VERIFY(App()->ReportDialog() == nullptr);
    }

    // A recompute that fails in a handler of the window is reported with the window's settings,
    // and the window goes on.
    void errorInAHandlerIsReported_data() {
        QTest::addColumn<int>("trigger");
        QTest::addColumn<QString>("handler");
        QTest::newRow("date set") << int{DateSet}
                                  << QStringLiteral("orvandel::TForm1::edCalendarChange()");
        QTest::newRow("city click, through SelectCity")
            << int{CityClick} << QStringLiteral("orvandel::TForm1::SelectCity(int)");
        QTest::newRow("option click")
            << int{OptionClick} << QStringLiteral("orvandel::TForm1::cbRoundMinutesClick()");
    }

    void errorInAHandlerIsReported() {
        QFETCH(int, trigger);
        QFETCH(QString, handler);
        const auto form = ShowForm();
        App()->SetMainForm(form.get());
        if (trigger != DateSet) {
            SetDateOfAWeekInYearZero(*form);
            App()->ReportDialog()->close();
            QTRY_VERIFY(App()->ReportDialog() == nullptr);
        }
        const int reportsBefore = App()->ReportCount();
        Act(*form, static_cast<Trigger>(trigger));
        QCOMPARE(App()->ReportCount(), reportsBefore + 1);
        TCrashReportDialog* dialog = App()->ReportDialog();
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);

        // Our error records where it was raised: the trace goes through the handler.
        const QString text = dialog->ReportText();
        QVERIFY2(text.contains(QStringLiteral("Error: orvandel::EConvertError")), qPrintable(text));
        const qsizetype traceStart = text.indexOf(QStringLiteral("Stack trace"));
        const qsizetype detailsStart = text.indexOf(QStringLiteral("System details:"));
        QVERIFY(traceStart >= 0 && detailsStart > traceStart);
        const QString trace = text.mid(traceStart, detailsStart - traceStart);
        for (const QString& name :
             {QStringLiteral("orvandel::TForm1::RefreshTimetable()"), handler}) {
            QVERIFY2(trace.contains(name), qPrintable(name + QStringLiteral(" not in:\n") + trace));
        }
        const QString details = text.mid(detailsStart);
        QVERIFY(details.contains(
            QRegularExpression(QStringLiteral("\nProgram version: [0-9]+\\.[0-9]+\\.[0-9]+\n"))));
        QVERIFY(details.contains(QStringLiteral("\nOperating system: Linux ")));
        QVERIFY(
            details.contains(QStringLiteral("\nQt version: ") + QString::fromLatin1(qVersion())));
        QVERIFY(details.contains(QStringLiteral("\nEphemeris source: %1 (").arg(EphemerisFlag())));
        QVERIFY(details.contains(QString::fromStdString(EphemerisFolder().string())));
        // The settings as they were when the error happened: the catalogue's Mecca or Abha,
        // with the method of the Saudi cities.
        QVERIFY2(details.contains(QStringLiteral("\nWindow settings: Date: ")), qPrintable(text));
        QVERIFY(details.contains(
            QRegularExpression(QStringLiteral("\n    City: (Mecca|Abha) \\(Saudi Arabia\\)\n"))));
        QVERIFY(
            details.contains(QStringLiteral("Calculation method: Umm Al-Qura, juristic "
                                            "method: Standard")));

        // The window goes on: the flag and the cursor are restored, and once the dialog is
        // closed the next change recomputes the week.
        QVERIFY(!form->Updating());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QTest::mouseClick(dialog->CloseButton(), Qt::LeftButton);
        QTRY_VERIFY(App()->ReportDialog() == nullptr);
        const int refreshes = form->RefreshCount();
        form->edCalendar->SetValue(EncodeDate(2024, 4, 10));
        QCOMPARE(form->RefreshCount(), refreshes + 1);
        QCOMPARE(form->CurrentDayRow, RowOf(form->edCalendar->Value()));
        QCOMPARE(App()->ReportCount(), reportsBefore + 1);
    }

    // The application object catches what any other event handler lets escape. An error that
    // does not record where it was raised is traced from where it was caught.
    void errorOfAnyReceiverIsReported_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("traceName");
        QTest::newRow("error of ours") << int{OurError} << QStringLiteral("orvandel::ERangeError")
                                       << QStringLiteral("forced failure outside the window")
                                       << QStringLiteral("orvandel::TApplication::notify(");
        QTest::newRow("standard error") << int{StandardError} << QStringLiteral("std::out_of_range")
                                        << QStringLiteral("forced standard failure")
                                        << QStringLiteral("does not record where it was raised");
        QTest::newRow("not a standard exception")
            << int{NonStandard} << QStringLiteral("int")
            << QStringLiteral("not a standard exception")
            << QStringLiteral("orvandel::TApplication::notify(");
    }
    void errorOfAnyReceiverIsReported() {
        QFETCH(int, fault);
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QFETCH(QString, traceName);
        const int reports = App()->ReportCount();
        FailingReceiver receiver(static_cast<Fault>(fault));
        QEvent event(QEvent::User);
        QCOMPARE(QCoreApplication::sendEvent(&receiver, &event), false);
        QCOMPARE(App()->ReportCount(), reports + 1);
        QVERIFY(App()->ReportDialog() != nullptr);
        const QString text = App()->ReportDialog()->ReportText();
        QVERIFY2(text.contains(QStringLiteral("Error: ") + kind), qPrintable(text));
        QVERIFY2(text.contains(message), qPrintable(text));
        QVERIFY2(text.contains(traceName), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("orvandel::TApplication::notify(")),
                 qPrintable(text));
    }

    // A further error while the dialog is open adds its report to the same dialog.
    void furtherErrorsJoinTheOpenReport() {
        const auto form = ShowForm();
        App()->SetMainForm(form.get());
        SetDateOfAWeekInYearZero(*form);
        TCrashReportDialog* dialog = App()->ReportDialog();
        QVERIFY(dialog != nullptr);
        QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QCoreApplication::sendEvent(form->spinDegLat, &up);
        QCOMPARE(App()->ReportDialog(), dialog);
        QCOMPARE(dialog->ReportText().count(QStringLiteral("=== Orvandel crash report ===")), 2);
    }

    void copyAndSave() {
        const auto form = ShowForm();
        App()->SetMainForm(form.get());
        SetDateOfAWeekInYearZero(*form);
        TCrashReportDialog* dialog = App()->ReportDialog();
        QVERIFY(dialog != nullptr);

        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(dialog->CopyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), dialog->ReportText());

        // The save button asks for a file name; answer the file dialog as a user would, by typing
        // the name into its file name field.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("report.txt"));
        const TDialogAnswer<QFileDialog> answer([&](QFileDialog* files) {
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);
        QVERIFY(answer.Answered());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(QString::fromUtf8(saved.readAll()), dialog->ReportText());

        // A file that cannot be written is said so, and nothing is left behind.
        const QString nowhere = folder.filePath(QStringLiteral("missing/report.txt"));
        QVERIFY(!dialog->SaveTo(nowhere));
        QVERIFY(!QFile::exists(nowhere));
    }

    // Print... on a "Print to File (PDF)" printer: the file holds the report's text.
    void printToPdf() {
        TCrashReportDialog dialog(
            QStringLiteral("=== Orvandel crash report ===\nError: orvandel::"
                           "EInvalidOp\nMessage: printed line 42\n"));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
        const TPrintToPdf answer(pdf);
        QTest::mouseClick(dialog.PrintButton(), Qt::LeftButton);
        QVERIFY(answer.Answered());
        const QString printed = PdfText(pdf);
        QVERIFY2(!printed.isEmpty(), "pdftotext (poppler-utils) gave no text");
        QVERIFY2(printed.contains(QStringLiteral("Error: orvandel::EInvalidOp")),
                 qPrintable(printed));
        QVERIFY(printed.contains(QStringLiteral("Message: printed line 42")));
    }

    // Send... opens the mail program with the report (cut to what mail programs take) and puts
    // the whole report on the clipboard.
    void sendOpensMail_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("short report, whole") << 3 << false;
        QTest::newRow("long report, cut with a note") << 200 << true;
    }
    void sendOpensMail() {
        QFETCH(int, lines);
        QFETCH(bool, shortened);
        QString report =
            QStringLiteral("=== Orvandel crash report ===\nError: std::out_of_range\n");
        for (int i = 0; i < lines; ++i) {
            report += QStringLiteral("  #%1 frame name & \"quoted\" 100%\n").arg(i);
        }
        TCrashReportDialog dialog(report);
        UrlSink sink;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &sink, "Open");
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(dialog.SendButton(), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(QGuiApplication::clipboard()->text(), report);
        QCOMPARE(sink.Opened.size(), 1);
        const QUrl url = sink.Opened.front();
        QCOMPARE(url, TCrashReportDialog::MailUrl(report));
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Orvandel error report: std::out_of_range"));
        const QString body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
        const QByteArray encoded = url.toEncoded();
        QVERIFY(encoded.size() - encoded.indexOf("&body=") - 6 <=
                TCrashReportDialog::MailBodyLimit);
        if (!shortened) {
            QCOMPARE(body, report);
            return;
        }
        const qsizetype cut =
            body.indexOf(QStringLiteral("\n[Shortened: the full report is on the "
                                        "clipboard.]"));
        QVERIFY(cut > 400);
        QVERIFY(report.startsWith(body.left(cut)));
    }

    // Without a mail program the dialog says so and points to saving the report.
    void sendWithoutMailProgram() {
        TCrashReportDialog dialog(QStringLiteral("Error: orvandel::EInvalidOp\n"));
        QString said;
        const TDialogAnswer<QMessageBox> answer([&](QMessageBox* box) {
            said = box->text();
            box->accept();
        });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("mailto")));
        QTest::mouseClick(dialog.SendButton(), Qt::LeftButton);
        QVERIFY(answer.Answered());
        QVERIFY2(said.contains(QStringLiteral("No mail program")) &&
                     said.contains(QStringLiteral("Save as text file")),
                 qPrintable(said));
        QCOMPARE(QGuiApplication::clipboard()->text(), dialog.ReportText());
    }

    // A fatal signal writes the settings of the latest recompute with its report.
    void fatalSignalReportHoldsTheLatestSettings() {
        const auto form = ShowForm();
        QTest::mouseClick(form->rgCalcMethod->Button(4), Qt::LeftButton, {},
                          QPoint(6, form->rgCalcMethod->Button(4)->height() / 2));
        QCOMPARE(form->rgCalcMethod->ItemIndex(), 4);

        int pipeEnds[2];
        QCOMPARE(::pipe(pipeEnds), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::alarm(10);  // a child stuck in the report dies instead of hanging the test
            ::dup2(pipeEnds[1], STDERR_FILENO);
            InstallFatalSignalHandler();
            std::raise(SIGABRT);
            ::_exit(0);
        }
        ::close(pipeEnds[1]);
        QByteArray written;
        char buffer[4096];
        for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
            written.append(buffer, n);
        }
        ::close(pipeEnds[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT);
        const QString text = QString::fromUtf8(written);
        QVERIFY2(text.contains(QStringLiteral("Fatal signal %1").arg(SIGABRT)), qPrintable(text));
        QVERIFY2(
            text.contains(QStringLiteral("Calculation method: ISNA, juristic method: Standard")),
            qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("City: Mecca (Saudi Arabia)")));
        QVERIFY(text.contains(QStringLiteral("Ephemeris source: ")));
    }
};

ORVANDEL_UI_TEST(CrashReportTest);

}  // namespace orvandel::test

#include "CrashReportTest.moc"
