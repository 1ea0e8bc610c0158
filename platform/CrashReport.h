#pragma once
// The text of a crash report, and the writer that puts one on standard error when the program
// dies of a fatal signal. The window shows the same text in its report dialog.

#include <span>
#include <string>
#include <string_view>

namespace orvandel {

struct CrashDetail {
    std::string Name;   // "Program version"
    std::string Value;  // "0.1.0"
};

// The report: a title line, the error's kind and message, the stack trace, then one
// "Name: value" line per detail (multi-line values are indented).
std::string FormatCrashReport(std::string_view errorKind, std::string_view message,
                              std::string_view stackTrace, std::span<const CrashDetail> details);

// "Linux 6.1.0 x86_64 (Debian GNU/Linux 12 (bookworm))", from uname and /etc/os-release.
std::string OperatingSystemDescription();

// Keeps the text that a fatal-signal report prints as its system details (at most 8192 bytes).
// Called whenever the details change (after each recompute), from any thread. The copy is
// made into a buffer the handler does not read and then published at once; after a fatal
// signal has begun its report, calls change nothing.
void SetFatalSignalDetails(std::string_view details);

// On SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT: writes the signal's number and name, the
// stack trace and the details last published to standard error, then lets the signal end the
// program as it would have. The handler makes async-signal-safe calls only, so that a signal
// raised inside the allocator or the C library reports instead of deadlocking; the unwinder
// is loaded here, once.
void InstallFatalSignalHandler();

}  // namespace orvandel
