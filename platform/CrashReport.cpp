#include "platform/CrashReport.h"

#include <execinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstring>
#include <fstream>

namespace orvandel {
namespace {

// Written outside the handler, read inside it: a fixed buffer, no allocation at signal time.
std::array<char, 8192> fatalDetails{};
std::size_t fatalDetailsLength = 0;

void WriteAll(const char* text, std::size_t length) {
    while (length > 0) {
        const ssize_t written = ::write(STDERR_FILENO, text, length);
        if (written <= 0) return;
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}

void WriteText(const char* text) {
    WriteAll(text, std::strlen(text));
}

void OnFatalSignal(int signal) {
    WriteText("\n=== Orvandel crash report ===\nFatal signal ");
    char number[16];
    int n = 0;
    for (int v = signal; v > 0 && n < 15; v /= 10) number[n++] = static_cast<char>('0' + v % 10);
    std::reverse(number, number + n);
    WriteAll(number, static_cast<std::size_t>(n));
    const char* name = strsignal(signal);  // not async-signal-safe in theory; a static table here
    if (name != nullptr) {
        WriteText(" (");
        WriteText(name);
        WriteText(")");
    }
    WriteText("\n\nStack trace:\n");
    void* frames[64];
    const int count = ::backtrace(frames, 64);
    ::backtrace_symbols_fd(frames, count, STDERR_FILENO);
    WriteText("\nSystem details:\n");
    WriteAll(fatalDetails.data(), fatalDetailsLength);
    WriteText("\n");
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void AppendIndented(std::string& out, std::string_view value) {
    bool first = true;
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t end = std::min(value.find('\n', start), value.size());
        if (!first) out += "\n    ";
        out += value.substr(start, end - start);
        first = false;
        if (end == value.size()) break;
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
    if (!out.ends_with('\n')) out += '\n';
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
    fatalDetailsLength = std::min(details.size(), fatalDetails.size());
    std::memcpy(fatalDetails.data(), details.data(), fatalDetailsLength);
}

void InstallFatalSignalHandler() {
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        struct sigaction action {};
        action.sa_handler = &OnFatalSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND | SA_NODEFER;
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace orvandel
