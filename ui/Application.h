#pragma once
// The application object and the program's run: module start-up, the main window, the message
// loop and the shutdown in reverse order. An error that escapes an event handler is caught
// here, once, and shown in the report dialog; the loop goes on.

#include <QApplication>
#include <QPointer>
#include <functional>

namespace orvandel {

class TCrashReportDialog;
class TForm1;

class TApplication : public QApplication {
    Q_OBJECT
  public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // The window whose settings go into reports; none before it exists.
    void SetMainForm(TForm1* form);
    // Delivers the event; an exception that leaves the receiver's handlers is reported and the
    // event counts as not handled.
    bool notify(QObject* receiver, QEvent* event) override;

    // The report dialog on screen, if any.
    TCrashReportDialog* ReportDialog() const;
    // Every report shown so far in this run.
    int ReportCount() const { return FReportCount; }

    // Asks every window to close, as their close buttons would, which ends the loop. SIGTERM
    // and SIGINT lead here once the loop runs.
    static void CloseAllWindows();

  private:
    void ReportCurrentException();
    void ShowReport(const QString& report);

    QPointer<TForm1> FMainForm;
    QPointer<TCrashReportDialog> FReportDialog;
    int FReportCount = 0;
    class TTerminationWatcher;
    TTerminationWatcher* FTermination = nullptr;
};

// The calendar epochs, the ephemeris (choosing its source) and the observer locations with the
// Umm al-Qura reference place, in this order. StopModules undoes it in reverse, closing the
// ephemeris library last.
void StartModules();
void StopModules();

// The whole program: installs the fatal-signal report, starts the modules, shows the window
// with its first table, runs the loop until the window is closed, and stops the modules.
// Only the toolkit's own options are read from the arguments. Returns the exit code, 0 after
// a normal close.
int RunOrvandel(int argc, char** argv);

}  // namespace orvandel
