#include "ui/CrashReportDialog.h"

#include <cxxabi.h>

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "ephemeris/fn_Ephemeris.h"
#include "platform/DateTime.h"
#include "platform/Errors.h"
#include "timetable/CalcMethods.h"
#include "ui/CityList.h"
#include "ui/DateField.h"
#include "ui/RadioGroup.h"
#include "ui/mainPrayerUI.h"

#ifndef ORVANDEL_VERSION
#define ORVANDEL_VERSION "unknown"
#endif

namespace orvandel {

namespace {

std::string Demangled(const char* name) {
    if (name == nullptr) {
        return "unknown error";
    }
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> readable(
        abi::__cxa_demangle(name, nullptr, nullptr, &status), &std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(name);
}

// The class of the exception being handled, for errors that are not std::exception.
std::string CurrentExceptionType() {
    const std::type_info* type = abi::__cxa_current_exception_type();
    return type != nullptr ? Demangled(type->name()) : std::string("unknown error");
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string OnOff(bool on) {
    return on ? "on" : "off";
}

// The radio item's caption without the trailing blanks it carries on screen.
std::string Caption(const TRadioGroup& group) {
    const int index = group.ItemIndex();
    if (index < 0 || index >= group.Count()) {
        return "none";
    }
    return group.Button(index)->text().trimmed().toStdString();
}

std::string EphemerisSourceText() {
    if (!EphemerisStarted()) {
        return "not started";
    }
    const int32_t flag = EphemerisFlag();
    std::string source;
    switch (flag) {
        case EphemerisJpl:
            source = "JPL file " + std::string(JplFileName);
            break;
        case EphemerisSwiss:
            source = "Swiss Ephemeris files " + std::string(PlanetFileName) + " and " +
                     std::string(MoonFileName);
            break;
        case EphemerisBuiltIn:
            source = "built-in theory, no files";
            break;
        default:
            source = "unknown source";
            break;
    }
    std::string text = std::to_string(flag) + " (" + source + ") in " + EphemerisFolder().string();
    // Why the start-up took another source than the files it found, when it did.
    if (const std::string notice = EphemerisNotice(); !notice.empty()) {
        text += "\n" + notice;
    }
    return text;
}

const std::string& OperatingSystem() {
    static const std::string text = OperatingSystemDescription();
    return text;
}

}  // namespace

TCaughtError DescribeError(const std::exception_ptr& error, const StackTrace& caughtAt) {
    const std::string caughtTrace =
        "(this error does not record where it was raised; the stack where it was caught:)\n" +
        caughtAt.ToString();
    try {
        std::rethrow_exception(error);
    } catch (const EPlatformError& e) {
        return {Demangled(typeid(e).name()), e.what(), e.Trace().ToString()};
    } catch (const std::exception& e) {
        return {Demangled(typeid(e).name()), e.what(), caughtTrace};
    } catch (...) {
        return {CurrentExceptionType(), "(not a standard exception: no message)", caughtTrace};
    }
}

std::string WindowSettingsText(const TForm1& form) {
    const TimetableSettings s = form.ReadSettings();
    std::string date;
    try {
        date = CivilDateText(s.Date);
        const double dayFraction = s.Date - std::floor(s.Date);
        const int minutes = static_cast<int>(std::lround(dayFraction * 1440.0)) % 1440;
        char time[16];
        std::snprintf(time, sizeof time, " %02d:%02d", minutes / 60, minutes % 60);
        date += time;
    } catch (const std::exception&) {
        date = "not a civil date";
    }
    date += " (serial " + Fixed(s.Date, 6) + ")";

    std::string city = "none (place typed by hand)";
    if (const int group = form.CityList->OpenGroup(); group >= 0) {
        for (int item = 0; item < form.CityList->ItemCount(group); ++item) {
            if (form.CityList->IsSelected(group, item)) {
                city = std::string(form.CityList->Item(group, item).Caption) + " (" +
                       std::string(form.CityList->GroupInfo(group).Caption) + ")";
            }
        }
    }

    std::string text = "Date: " + date + "\n";
    text += "City: " + city + "\n";
    text += "Latitude " + Fixed(s.Latitude, 4) + ", longitude " + Fixed(s.Longitude, 4) + ", GMT " +
            std::to_string(s.GmtHours) + " h " + std::to_string(s.GmtMinutes) + " min, elevation " +
            std::to_string(s.Elevation) + " m\n";
    // The method's own caption, also for one chosen under "Other:".
    const int method = form.CalcMethodIndex();
    text += "Calculation method: " +
            (method >= 0 && method < CalcMethodCount()
                 ? std::string(CalcMethods()[static_cast<size_t>(method)].Caption)
                 : std::string("none")) +
            ", juristic method: " + Caption(*form.rgJuristic) + "\n";
    text += "Sunset based " + OnOff(s.SunsetBased) + ", 12-hour times " + OnOff(s.TwelveHours) +
            ", add safety time " + OnOff(s.AddSafetyTime) + ", nearest minute " +
            OnOff(s.RoundMinutes) + ", right-to-left " + OnOff(s.RightToLeft);
    return text;
}

std::vector<CrashDetail> SystemDetails(const TForm1* form) {
    std::vector<CrashDetail> details{
        {"Program version", ORVANDEL_VERSION},
        {"Operating system", OperatingSystem()},
        {"Qt version", std::string(qVersion()) + " (built with " QT_VERSION_STR ")"},
        {"Ephemeris source", EphemerisSourceText()},
    };
    if (form != nullptr) {
        details.push_back({"Window settings", WindowSettingsText(*form)});
    }
    return details;
}

std::string FormatDetails(const std::vector<CrashDetail>& details) {
    std::string text;
    for (const CrashDetail& detail : details) {
        text += detail.Name + ": ";
        for (const char c : detail.Value) {
            text += c;
            if (c == '\n') {
                text += "    ";
            }
        }
        text += '\n';
    }
    return text;
}

TCrashReportDialog::TCrashReportDialog(const QString& report, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Orvandel - error report"));
    auto* intro = new QLabel(
        tr("Orvandel met an error it did not expect. The window keeps working, though the table "
           "may still show the week and place from before the change. The report below says "
           "what went wrong and where: copy, save, print or send it to pass it on."),
        this);
    intro->setWordWrap(true);
    FText = new QPlainTextEdit(this);
    FText->setReadOnly(true);
    FText->setLineWrapMode(QPlainTextEdit::NoWrap);
    FText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    FText->setPlainText(report);

    auto* buttons = new QDialogButtonBox(this);
    FCopyButton = buttons->addButton(tr("Copy report"), QDialogButtonBox::ActionRole);
    FSaveButton = buttons->addButton(tr("Save as text file..."), QDialogButtonBox::ActionRole);
    FPrintButton = buttons->addButton(tr("Print..."), QDialogButtonBox::ActionRole);
    FSendButton = buttons->addButton(tr("Send..."), QDialogButtonBox::ActionRole);
    FCloseButton = buttons->addButton(QDialogButtonBox::Close);
    connect(FCopyButton, &QPushButton::clicked, this, &TCrashReportDialog::CopyReport);
    connect(FSaveButton, &QPushButton::clicked, this, &TCrashReportDialog::SaveReport);
    connect(FPrintButton, &QPushButton::clicked, this, &TCrashReportDialog::PrintReport);
    connect(FSendButton, &QPushButton::clicked, this, &TCrashReportDialog::SendReport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(FText, 1);
    layout->addWidget(buttons);
    resize(720, 480);
}

QString TCrashReportDialog::ReportText() const {
    return FText->toPlainText();
}

void TCrashReportDialog::AppendReport(const QString& report) {
    FText->appendPlainText(QStringLiteral("\n") + report);
}

bool TCrashReportDialog::SaveTo(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return false;
    }
    const QByteArray bytes = ReportText().toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void TCrashReportDialog::CopyReport() {
    QGuiApplication::clipboard()->setText(ReportText());
}

void TCrashReportDialog::SaveReport() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save error report"),
                                     QDir(folder.isEmpty() ? QDir::homePath() : folder)
                                         .filePath(QStringLiteral("orvandel-error-report.txt")),
                                     tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty()) {
        return;
    }
    if (!SaveTo(path)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The report could not be written to %1.").arg(path));
    }
}

void TCrashReportDialog::PrintTo(QPrinter& printer) const {
    FText->print(&printer);
}

void TCrashReportDialog::PrintReport() {
    QPrinter printer;
    printer.setDocName(QStringLiteral("orvandel-error-report"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print error report"));
    if (dialog.exec() == QDialog::Accepted) {
        PrintTo(printer);
    }
}

QUrl TCrashReportDialog::MailUrl(const QString& report) {
    QString subject = QStringLiteral("Orvandel error report");
    const qsizetype error = report.indexOf(QStringLiteral("Error: "));
    if (error >= 0) {
        const qsizetype end = report.indexOf(u'\n', error);
        subject += QStringLiteral(": ") + report.mid(error + 7, end < 0 ? -1 : end - error - 7);
    }
    const QByteArray note = QUrl::toPercentEncoding(
        QStringLiteral("\n[Shortened: the full report is on the clipboard.]"));
    QByteArray body = QUrl::toPercentEncoding(report);
    if (body.size() > MailBodyLimit) {
        // Whole code points, added while they and the note still fit.
        body.clear();
        for (qsizetype i = 0; i < report.size();) {
            const qsizetype length = report[i].isHighSurrogate() && i + 1 < report.size() ? 2 : 1;
            const QByteArray encoded = QUrl::toPercentEncoding(report.mid(i, length));
            if (body.size() + encoded.size() + note.size() > MailBodyLimit) {
                break;
            }
            body += encoded;
            i += length;
        }
        body += note;
    }
    return QUrl::fromEncoded("mailto:?subject=" + QUrl::toPercentEncoding(subject.left(200)) +
                             "&body=" + body);
}

// The mail program gets the report's beginning; the clipboard holds all of it.
void TCrashReportDialog::SendReport() {
    QGuiApplication::clipboard()->setText(ReportText());
    if (!QDesktopServices::openUrl(MailUrl(ReportText()))) {
        QMessageBox::information(
            this, windowTitle(),
            tr("No mail program answered. The full report is on the clipboard; you can also keep "
               "it with \"Save as text file...\" and attach the file to a message."));
    }
}

}  // namespace orvandel
