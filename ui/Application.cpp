#include "ui/Application.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QIcon>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <exception>
#include <optional>

#include "OrvandelVersion.h"
#include "platform/CrashReport.h"
#include "platform/StackTrace.h"
#include "timetable/Session.h"
#include "ui/CrashReportDialog.h"
#include "ui/Translations.h"
#include "ui/mainPrayerUI.h"

namespace orvandel {

namespace {

// The write end of the termination pipe; -1 while no watcher exists. Only written outside
// signal handlers, read inside them.
std::atomic<int> terminationWriteFd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read from a signal handler");

// SIGHUP too: the terminal or the session that started the program has gone.
constexpr int TerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Asks the loop to close the windows. The signal's default action comes back at once, so that
// a second Ctrl+C still ends a program whose loop is stuck.
extern "C" void OnTerminationSignal(int signal) {
    const int savedErrno = errno;
    const int fd = terminationWriteFd.load();
    if (fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    ::sigaction(signal, &defaultAction, nullptr);
    errno = savedErrno;
}

// The icon theme's "orvandel" where the program is installed, else the same pictures built into
// the program (present when the executable links them).
QIcon ProgramIcon() {
    QIcon builtIn;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        builtIn.addFile(QStringLiteral(":/icons/orvandel-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("orvandel"), builtIn);
}

// Writes a report to standard error when even building or showing the dialog failed.
void ReportToStandardError(const char* what) {
    std::fprintf(stderr, "=== Orvandel crash report ===\n%s\n", what);
}

}  // namespace

// Turns SIGTERM, SIGINT and SIGHUP into a close of every window, handled by the loop like a click
// on the close button: the signal handler only writes a byte that a socket notifier reads. While no
// watcher exists the signals keep their default action; a signal ignored at start stays ignored.
class TApplication::TTerminationWatcher : public QObject {
  public:
    explicit TTerminationWatcher(QObject* parent) : QObject(parent) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, FSockets) != 0) {
            FSockets[0] = FSockets[1] = -1;
            return;
        }
        FNotifier = new QSocketNotifier(FSockets[1], QSocketNotifier::Read, this);
        connect(FNotifier, &QSocketNotifier::activated, this, [this] {
            char bytes[16];
            while (::read(FSockets[1], bytes, sizeof bytes) > 0) {
            }
            TApplication::CloseAllWindows();
        });
        terminationWriteFd.store(FSockets[0]);
        for (std::size_t i = 0; i < std::size(TerminationSignals); ++i) {
            // A signal ignored when the program started stays ignored: whoever started it
            // (`nohup`, a shell's background job) asked for the program to outlive it.
            ::sigaction(TerminationSignals[i], nullptr, &FPrevious[i]);
            if ((FPrevious[i].sa_flags & SA_SIGINFO) == 0 && FPrevious[i].sa_handler == SIG_IGN) {
                continue;
            }
            struct sigaction action {};
            action.sa_handler = &OnTerminationSignal;
            sigemptyset(&action.sa_mask);
            action.sa_flags = SA_RESTART;
            ::sigaction(TerminationSignals[i], &action, nullptr);
        }
    }

    ~TTerminationWatcher() override {
        if (FSockets[0] < 0) {
            return;
        }
        for (std::size_t i = 0; i < std::size(TerminationSignals); ++i) {
            ::sigaction(TerminationSignals[i], &FPrevious[i], nullptr);
        }
        terminationWriteFd.store(-1);
        delete FNotifier;
        ::close(FSockets[0]);
        ::close(FSockets[1]);
    }

    TTerminationWatcher(const TTerminationWatcher&) = delete;
    TTerminationWatcher& operator=(const TTerminationWatcher&) = delete;

  private:
    int FSockets[2] = {-1, -1};  // [0] written by the handler, [1] read by the loop
    QSocketNotifier* FNotifier = nullptr;
    struct sigaction FPrevious[std::size(TerminationSignals)]{};
};

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    FTermination = new TTerminationWatcher(this);
}

TApplication::~TApplication() {
    delete FTermination;
}

TCrashReportDialog* TApplication::ReportDialog() const {
    return FReportDialog.data();
}

void TApplication::SetMainForm(TForm1* form) {
    FMainForm = form;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        Report(std::current_exception(), StackTrace::Capture());
        return false;
    }
}

void TApplication::CloseAllWindows() {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

// If the report cannot be built or shown, a short note goes to standard error instead.
void TApplication::Report(const std::exception_ptr& exception,
                          const StackTrace& caughtAt) noexcept {
    try {
        const TCaughtError error = DescribeError(exception, caughtAt);
        const std::string report = FormatCrashReport(error.Kind, error.Message, error.Trace,
                                                     SystemDetails(FMainForm.data()));
        std::fputs(report.c_str(), stderr);
        ShowReport(QString::fromStdString(report));
    } catch (const std::exception& e) {
        ReportToStandardError(e.what());
    } catch (...) {
        ReportToStandardError("an error occurred, and its report could not be made");
    }
}

// One dialog at a time: a further error while it is open is added below the first report.
void TApplication::ShowReport(const QString& report) {
    ++FReportCount;
    if (FReportDialog != nullptr) {
        FReportDialog->AppendReport(report);
        FReportDialog->raise();
        return;
    }
    auto* dialog = new TCrashReportDialog(report, FMainForm.data());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    FReportDialog = dialog;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ReportEscapedError() noexcept {
    const StackTrace caughtAt = StackTrace::Capture(1);
    if (auto* application = qobject_cast<TApplication*>(QCoreApplication::instance())) {
        application->Report(std::current_exception(), caughtAt);
        return;
    }
    try {
        const TCaughtError error = DescribeError(std::current_exception(), caughtAt);
        const std::string report =
            FormatCrashReport(error.Kind, error.Message, error.Trace, SystemDetails(nullptr));
        std::fputs(report.c_str(), stderr);
    } catch (...) {
        ReportToStandardError("an error occurred, and its report could not be made");
    }
}

int RunOrvandel(int argc, char** argv) {
    InstallFatalSignalHandler();
    int exitCode = 1;
    std::optional<TimetableSession> session;
    try {
        session.emplace();
        SetFatalSignalDetails(FormatDetails(SystemDetails(nullptr)));
        // Names the menu entry, so that docks and task switchers match the window to it.
        TApplication::setDesktopFileName(
            QString::fromUtf8(DesktopId.data(), static_cast<qsizetype>(DesktopId.size())));
        TApplication application(argc, argv);
        TApplication::setWindowIcon(ProgramIcon());
        // The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), English where the
        // program has no translation of it.
        const TTranslations translations(QLocale::system().uiLanguages(),
                                         TranslationsFolder(TApplication::applicationDirPath()));
        TForm1 form;
        application.SetMainForm(&form);
        form.show();  // runs the first recompute before the first paint
        exitCode = TApplication::exec();
    } catch (...) {
        // Only start-up and shutdown run outside the loop's handlers.
        const TCaughtError error = DescribeError(std::current_exception(), StackTrace::Capture());
        const std::string report =
            FormatCrashReport(error.Kind, error.Message, error.Trace, SystemDetails(nullptr));
        std::fputs(report.c_str(), stderr);
        exitCode = 1;
    }
    session.reset();
    return exitCode;
}

}  // namespace orvandel
