#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "platform/CrashReport.h"
#include "platform/Errors.h"

using namespace orvandel;

// External linkage, so that its name is in the exported symbols the trace reads.
[[gnu::noinline]] void RaiseDeepInside() {
    throw ERangeError("RaiseDeepInside: index 12 outside 0..6");
}

TEST(CrashReport, ErrorsCarryTheStackWhereTheyWereRaised) {
    try {
        RaiseDeepInside();
        FAIL() << "no error raised";
    } catch (const EPlatformError& error) {
        EXPECT_GT(error.Trace().Size(), 2u);
        const std::string trace = error.Trace().ToString();
        EXPECT_NE(trace.find("#0"), std::string::npos);
        EXPECT_NE(trace.find("RaiseDeepInside"), std::string::npos) << trace;
    }
}

TEST(CrashReport, TextHoldsMessageTraceAndDetails) {
    const CrashDetail details[] = {{"Program version", "0.1.0"},
                                   {"Settings", "Latitude 21.4225\nLongitude 39.8262"}};
    const std::string report =
        FormatCrashReport("ERangeError", "index 12 outside 0..6", "#0  frame\n", details);
    EXPECT_NE(report.find("Error: ERangeError"), std::string::npos);
    EXPECT_NE(report.find("Message: index 12 outside 0..6"), std::string::npos);
    EXPECT_NE(report.find("#0  frame\n"), std::string::npos);
    EXPECT_NE(report.find("Program version: 0.1.0\n"), std::string::npos);
    EXPECT_NE(report.find("Settings: Latitude 21.4225\n    Longitude 39.8262\n"),
              std::string::npos);
}

TEST(CrashReport, OperatingSystemIsNamed) {
    EXPECT_NE(OperatingSystemDescription().find("Linux"), std::string::npos);
}

TEST(CrashReportDeathTest, FatalSignalWritesTheReportToStandardError) {
    // Each signal is named from the program's own table, and the details are the ones last
    // published: an earlier, longer text leaves nothing behind.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Row {
        int signal;
        const char* name;
    };
    const Row rows[] = {
        {SIGSEGV, "SIGSEGV, invalid memory reference"},
        {SIGBUS, "SIGBUS, bus error"},
        {SIGFPE, "SIGFPE, arithmetic error"},
        {SIGILL, "SIGILL, illegal instruction"},
        {SIGABRT, "SIGABRT, aborted"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EXIT(
            {
                InstallFatalSignalHandler();
                SetFatalSignalDetails("Settings: Karachi, Hanafi, a first and longer text");
                SetFatalSignalDetails("Settings: Mecca, Umm Al-Qura");
                std::raise(row.signal);
            },
            ::testing::KilledBySignal(row.signal),
            "Fatal signal " + std::to_string(row.signal) + " \\(" + row.name +
                "\\)\n\nStack trace:\n.*\nSystem details:\nSettings: Mecca, Umm Al-Qura\n$");
    }
}
