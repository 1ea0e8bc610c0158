#include "platform/CrashReport.h"

#include <execinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <fstream>
#include <mutex>

namespace orvandel {
namespace {

// The details a fatal-signal report prints. Two buffers: SetFatalSignalDetails writes the one
// the handler does not read and then publishes it by switching `publishedDetails`, so the
// handler never reads a buffer that is being rewritten. Once a fatal signal is being reported,
// no buffer is written again.
struct DetailsBuffer {
    std::array<char, 8192> Text{};
    std::size_t Length = 0;
};
DetailsBuffer detailsBuffers[2];
std::atomic<int> publishedDetails{0};
std::atomic<bool> reportingFatalSignal{false};
std::mutex detailsWriters;  // one writer at a time; never taken by the handler
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "read in a signal handler");

constexpr int MaxFrames = 64;

// The names of the signals, without the C library's strsignal, which may allocate or take a
// lock and so must not run in a signal handler.
const char* SignalName(int signal) noexcept {
    switch (signal) {
        case SIGSEGV:
            return "SIGSEGV, invalid memory reference";
        case SIGBUS:
            return "SIGBUS, bus error";
        case SIGFPE:
            return "SIGFPE, arithmetic error";
        case SIGILL:
            return "SIGILL, illegal instruction";
        case SIGABRT:
            return "SIGABRT, aborted";
        default:
            return nullptr;
    }
}

// Everything below runs inside the handler: write(2) only, no allocation, no lock.
void WriteAll(const char* text, std::size_t length) noexcept {
    while (length > 0) {
        const ssize_t written = ::write(STDERR_FILENO, text, length);
        if (written <= 0)
            return;
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}

void WriteText(const char* text) noexcept {
    WriteAll(text, std::strlen(text));
}

void WriteNumber(int value) noexcept {
    char digits[16];
    int n = 0;
    for (unsigned v = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
         n == 0 || (v > 0 && n < 15); v /= 10)
        digits[n++] = static_cast<char>('0' + v % 10);
    if (value < 0)
        WriteText("-");
    std::reverse(digits, digits + n);
    WriteAll(digits, static_cast<std::size_t>(n));
}

void OnFatalSignal(int signal) {
    reportingFatalSignal.store(true);
    WriteText("\n=== Orvandel crash report ===\nFatal signal ");
    WriteNumber(signal);
    if (const char* name = SignalName(signal)) {
        WriteText(" (");
        WriteText(name);
        WriteText(")");
    }
    WriteText("\n\nStack trace:\n");
    // The unwinder was loaded at install time, so backtrace neither loads nor allocates here;
    // backtrace_symbols_fd writes without allocating.
    void* frames[MaxFrames];
    const int count = ::backtrace(frames, MaxFrames);
    ::backtrace_symbols_fd(frames, count, STDERR_FILENO);
    WriteText("\nSystem details:\n");
    const DetailsBuffer& details = detailsBuffers[publishedDetails.load()];
    WriteAll(details.Text.data(), details.Length);
    WriteText("\n");
    // SA_RESETHAND gave the signal its default action back: raising it again ends the program
    // as the signal would have.
    ::raise(signal);
}

void AppendIndented(std::string& out, std::string_view value) {
    bool first = true;
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t end = std::min(value.find('\n', start), value.size());
        if (!first)
            out += "\n    ";
        out += value.substr(start, end - start);
        first = false;
        if (end == value.size())
            break;
        start = end + 1;
    }
}

}  // namespace

std::string FormatCrashReport(std::string_view errorKind, std::string_view message,
                              std::string_view stackTrace, std::span<const CrashDetail> details) {
    std::string out = "=== Orvandel crash report ===\n";
    out += "Error: ";
    out += errorKind;
    out += "\nMessage: ";
    AppendIndented(out, message);
    out += "\n\nStack trace (where the error was raised):\n";
    out += stackTrace.empty() ? std::string_view("(none recorded)\n") : stackTrace;
    if (!out.ends_with('\n'))
        out += '\n';
    out += "\nSystem details:\n";
    for (const CrashDetail& detail : details) {
        out += detail.Name + ": ";
        AppendIndented(out, detail.Value);
        out += '\n';
    }
    return out;
}

std::string OperatingSystemDescription() {
    std::string text;
    utsname name{};
    if (::uname(&name) == 0)
        text = std::string(name.sysname) + " " + name.release + " " + name.machine;
    std::ifstream release("/etc/os-release");
    for (std::string line; std::getline(release, line);) {
        if (line.rfind("PRETTY_NAME=", 0) == 0) {
            std::string pretty = line.substr(12);
            pretty.erase(std::remove(pretty.begin(), pretty.end(), '"'), pretty.end());
            text += (text.empty() ? "" : " (") + pretty + (text.empty() ? "" : ")");
        }
    }
    return text.empty() ? "unknown" : text;
}

void SetFatalSignalDetails(std::string_view details) {
    const std::lock_guard<std::mutex> lock(detailsWriters);
    if (reportingFatalSignal.load())
        return;
    const int spare = 1 - publishedDetails.load();
    DetailsBuffer& buffer = detailsBuffers[spare];
    buffer.Length = std::min(details.size(), buffer.Text.size());
    std::memcpy(buffer.Text.data(), details.data(), buffer.Length);
    publishedDetails.store(spare);
}

void InstallFatalSignalHandler() {
    // The first backtrace loads the unwinder library, which allocates: do it now, not in the
    // handler.
    void* frame[1];
    (void)::backtrace(frame, 1);
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        struct sigaction action {};
        action.sa_handler = &OnFatalSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND | SA_NODEFER;
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace orvandel
