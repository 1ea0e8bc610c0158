#pragma once
// The application object and the program's run: module start-up, the main window, the message
// loop and the shutdown in reverse order. An error that escapes an event handler is caught
// here, once, and shown in the report dialog; the loop goes on.

#include <QApplication>
#include <QPointer>
#include <exception>
#include <type_traits>
#include <utility>

#include "platform/StackTrace.h"

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
    // event counts as not handled. The last resort: our handlers catch their errors before
    // they reach the toolkit's frames (see Guarded).
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the report of `error`, whose stack is `caughtAt` unless the error recorded where it
    // was raised, and writes it to standard error. Never throws.
    void Report(const std::exception_ptr& error, const StackTrace& caughtAt) noexcept;

    // The report dialog on screen, if any.
    TCrashReportDialog* ReportDialog() const;
    // Every report shown so far in this run.
    int ReportCount() const { return FReportCount; }

    // Asks every window to close, as their close buttons would, which ends the loop. SIGTERM,
    // SIGINT and SIGHUP lead here once the loop runs.
    static void CloseAllWindows();

  private:
    void ShowReport(const QString& report);

    QPointer<TForm1> FMainForm;
    QPointer<TCrashReportDialog> FReportDialog;
    int FReportCount = 0;
    class TTerminationWatcher;
    TTerminationWatcher* FTermination = nullptr;
};

// Reports the exception being handled: call it only inside a catch block. Goes to the running
// TApplication, or to standard error alone when the application object is not one.
void ReportEscapedError() noexcept;

// `handler` wrapped for the toolkit to call, from a signal or an event handler: an error it
// raises is reported here and goes no further. The toolkit's own frames are built without
// exception support, so an error unwinding through them would skip their clean-up (leaking
// the event's data) and leave their state half-changed. Arguments the handler does not take
// are dropped.
template <class Handler>
auto Guarded(Handler handler) {
    return [handler = std::move(handler)](auto&&... args) {
        try {
            if constexpr (std::is_invocable_v<Handler&, decltype(args)...>) {
                handler(std::forward<decltype(args)>(args)...);
            } else {
                handler();
            }
        } catch (...) {
            ReportEscapedError();
        }
    };
}

// The whole program: installs the fatal-signal report, starts the modules, shows the window
// with its first table, runs the loop until the window is closed, and stops the modules.
// Only the toolkit's own options are read from the arguments. Returns the exit code, 0 after
// a normal close.
int RunOrvandel(int argc, char** argv);

}  // namespace orvandel
