#pragma once
// The crash report of the window: what an error that reached the application was, where it
// was raised, and what the program was doing (version, system, ephemeris source, the window's
// settings), shown in a dialog that can copy, save, print or send the text.

#include <QDialog>
#include <exception>
#include <string>
#include <vector>

#include "platform/CrashReport.h"
#include "platform/StackTrace.h"

class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QUrl;

namespace orvandel {

class TForm1;

// An error caught at the application level, described for the report.
struct TCaughtError {
    std::string Kind;     // the error's class, demangled ("orvandel::EInvalidOp")
    std::string Message;  // what() of a standard exception, else a fixed text
    std::string Trace;    // one line per frame, innermost first
};

// Describes `error`. An error of ours carries the stack where it was raised; for any other
// the trace is `caughtAt`, the stack where it was caught, and the text says so.
TCaughtError DescribeError(const std::exception_ptr& error, const StackTrace& caughtAt);

// The system details of a report: program version, operating system, Qt version, the
// ephemeris source, and the settings of `form` when there is one.
std::vector<CrashDetail> SystemDetails(const TForm1* form);
// The window's settings as a few lines of "Name value" text: date, city, place, methods and
// the five display options.
std::string WindowSettingsText(const TForm1& form);
// The details as the report lists them, one "Name: value" line each; the lines of a
// multi-line value after the first are indented by four blanks.
std::string FormatDetails(const std::vector<CrashDetail>& details);

// The report dialog: the text, read-only, and the buttons "Copy report", "Save as text
// file...", "Print...", "Send..." and "Close". Does not block: it is shown application-modal
// over the window.
class TCrashReportDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TCrashReportDialog(const QString& report, QWidget* parent = nullptr);

    QString ReportText() const;
    // Adds the report of a further error below the one shown.
    void AppendReport(const QString& report);
    // Writes the report as UTF-8 text to `path`, replacing the file; false (and the file left
    // as it was) when it cannot be written.
    bool SaveTo(const QString& path) const;
    // Prints the report on `printer`, a paper printer or a PDF file.
    void PrintTo(QPrinter& printer) const;

    // The mailto: address that Send opens: the subject names the program and the error (the
    // report's "Error:" line), the body is the report, cut where needed so that the encoded body
    // stays within MailBodyLimit characters, which mail programs accept, with a note saying so.
    static QUrl MailUrl(const QString& report);
    static constexpr int MailBodyLimit = 1800;  // characters of the percent-encoded body

    QPushButton* CopyButton() const { return FCopyButton; }
    QPushButton* SaveButton() const { return FSaveButton; }
    QPushButton* PrintButton() const { return FPrintButton; }
    QPushButton* SendButton() const { return FSendButton; }
    QPushButton* CloseButton() const { return FCloseButton; }

  private:
    void CopyReport();
    void SaveReport();
    void PrintReport();
    void SendReport();

    QPlainTextEdit* FText;
    QPushButton* FCopyButton;
    QPushButton* FSaveButton;
    QPushButton* FPrintButton;
    QPushButton* FSendButton;
    QPushButton* FCloseButton;
};

}  // namespace orvandel
