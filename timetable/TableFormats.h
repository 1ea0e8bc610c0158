#pragma once
// The output formats, one row each: everything the command's --format, its checks and help,
// and the window's Save as know of a format. A further format is one more row here and its
// writer.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "timetable/SettingsRules.h"
#include "timetable/TableClock.h"
#include "timetable/TableWriters.h"
#include "timetable/Timetable.h"

namespace orvandel {

enum class OutputFormat { Text, Csv, Json, Ics };

using TableWriter = std::string (*)(const TableOutputOptions& options,
                                    std::span<const TimetableDay> rows,
                                    std::span<const RowTimes> times);

struct TOutputFormat {
    OutputFormat Format;
    std::string_view Key;         // the command's --format value
    std::string_view Caption;     // the Save as choice; empty where Save as does not offer it
    std::string_view Extension;   // of a saved file, without the dot
    std::string_view FileFilter;  // the Save as dialog's file type
    bool LocaleDates;             // writes the locale's civil date texts rather than ISO dates
    bool Seconds;                 // times as H:MM:SS (--seconds)
    bool IsoTimes;                // times as ISO 8601 date-times (--iso-times)
    bool SunsetCounts;            // holds sunset-based counts, which are no clock times
    bool ChosenEvents;            // the times chosen and a reminder (--events, --alarm)
    bool NextTime;                // answers --next
    TableWriter Write;
};

// The iCalendar writer with its stamp from the options.
inline constexpr TableWriter WriteIcs = [](const TableOutputOptions& options,
                                           std::span<const TimetableDay> rows,
                                           std::span<const RowTimes> times) {
    return RenderIcs(options, rows, times, options.StampUtc);
};

// clang-format off
inline constexpr std::array<TOutputFormat, 4> OutputFormats = {{
    // format               key     caption                          ext     filter                    dates  secs   iso    sunset events next   writer
    {OutputFormat::Text, "text", "",                              "txt",  "Text files (*.txt)",      true,  true,  true,  true,  false, true,  RenderText},
    {OutputFormat::Csv,  "csv",  "CSV (spreadsheets)",            "csv",  "CSV files (*.csv)",       false, true,  true,  true,  false, false, RenderCsv},
    {OutputFormat::Json, "json", "JSON",                          "json", "JSON files (*.json)",     false, true,  true,  true,  false, true,  RenderJson},
    {OutputFormat::Ics,  "ics",  "iCalendar (calendar programs)", "ics",  "iCalendar files (*.ics)", false, true,  false, false, true,  false, WriteIcs},
}};
// clang-format on

constexpr bool OutputFormatsInEnumOrder() {
    for (std::size_t i = 0; i < OutputFormats.size(); ++i) {
        if (static_cast<std::size_t>(OutputFormats[i].Format) != i) {
            return false;
        }
    }
    // The last name: a name added after it needs its row, and this check its name.
    return static_cast<std::size_t>(OutputFormat::Ics) + 1 == OutputFormats.size();
}
static_assert(OutputFormatsInEnumOrder(), "every format has its row, at its name's index");

constexpr const TOutputFormat& FormatRow(OutputFormat format) {
    return OutputFormats[static_cast<std::size_t>(format)];
}

// The keys of the formats that have `capability`, joined by `separator`: "csv or ics".
std::string FormatKeysWhere(bool TOutputFormat::*capability, bool value,
                            std::string_view separator);

// The rows in `format`; what each writer raises passes on.
std::string RenderTable(OutputFormat format, const TableOutputOptions& options,
                        std::span<const TimetableDay> rows, std::span<const RowTimes> times);

// The whole path from the settings to a file: the days of `run` on `clock`
// (ComputeClockedDays, with options.Seconds) written in `format` (with the civil date texts
// where the format writes them). `rows`, when given, receives the computed rows. Errors of the
// computation and of the writer pass on.
std::string RenderRun(OutputFormat format, TableOutputOptions options, const TableClock& clock,
                      TDayRun run, std::vector<TimetableDay>* rows = nullptr);

}  // namespace orvandel
