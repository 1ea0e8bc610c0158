#pragma once
// Shared by the window's Qt Test classes: registration in the one test program, a fixed
// clock for the window, and a shown window.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QPrintDialog>
#include <QProcess>
#include <QTest>
#include <QUrl>
#include <functional>
#include <memory>

#include "platform/DateTime.h"
#include "ui/mainPrayerUI.h"

namespace orvandel {
// Readable failure messages for dates in QCOMPARE.
inline char* toString(const TCivilDate& date) {
    return QTest::toString(QString::asprintf("%04d-%02d-%02d", date.Year, date.Month, date.Day));
}
}  // namespace orvandel

namespace orvandel::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
// Adds a test class to the program's run; the return value only anchors the registration.
int RegisterUiTest(const char* name, TestFactory factory);

#define ORVANDEL_UI_TEST(Class)                             \
    [[maybe_unused]] static const int Class##Registration = \
        ::orvandel::test::RegisterUiTest(#Class, [] { return std::make_unique<Class>(); })

// Wednesday 10 April 2024 at 14:30: the week runs from Saturday 6 to Friday 12 April and
// Wednesday is row 5.
inline TDateTime FixedToday() {
    return EncodeDate(2024, 4, 10) + 14.5 / 24.0;
}
constexpr int FixedTodayRow = 5;

// A window shown offscreen on a clock that reads FixedToday().
inline std::unique_ptr<TForm1> ShowForm() {
    auto form = std::make_unique<TForm1>(FixedToday);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        qWarning("window not exposed");
    }
    return form;
}

// Receives the desktop's open requests (QDesktopServices::setUrlHandler) instead of a browser
// or mail program.
class UrlSink : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> Opened;
  public slots:
    void Open(const QUrl& url) { Opened.append(url); }
};

// Answers the first dialog of class D that is shown while it exists: `answer` runs from the
// event loop of that dialog once its show event has been delivered. A modal dialog blocks the
// code that opened it, so this is how a test acts in it, waiting for the dialog, not for a time.
template <class D>
class TDialogAnswer : public QObject {
  public:
    explicit TDialogAnswer(std::function<void(D*)> answer) : FAnswer(std::move(answer)) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~TDialogAnswer() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool Answered() const { return FAnswered; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* dialog = qobject_cast<D*>(watched);
            dialog && !FAnswered && event->type() == QEvent::Show) {
            FAnswered = true;
            QMetaObject::invokeMethod(
                this, [this, dialog] { FAnswer(dialog); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void(D*)> FAnswer;
    bool FAnswered = false;
};

// Answers the first print dialog shown while it exists by printing to the PDF file `pdf`.
class TPrintToPdf : public TDialogAnswer<QPrintDialog> {
  public:
    explicit TPrintToPdf(const QString& pdf)
        : TDialogAnswer<QPrintDialog>([pdf](QPrintDialog* print) {
              auto* printers = print->findChild<QComboBox*>(QStringLiteral("printers"));
              auto* file = print->findChild<QLineEdit*>(QStringLiteral("filename"));
              QVERIFY(printers != nullptr && file != nullptr);
              printers->setCurrentIndex(
                  printers->findText(QStringLiteral("PDF"), Qt::MatchContains));
              QVERIFY(printers->currentText().contains(QStringLiteral("PDF")));
              file->setText(pdf);
              print->accept();
          }) {}
};

// The text of a PDF file as laid out on its pages, pages ended by form feeds.
inline QString PdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished()) {
        qWarning("pdftotext (poppler-utils) did not run");
    }
    return QString::fromUtf8(text.readAllStandardOutput());
}

}  // namespace orvandel::test
