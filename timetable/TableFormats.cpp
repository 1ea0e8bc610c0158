#include "timetable/TableFormats.h"

namespace orvandel {

std::string FormatKeysWhere(bool TOutputFormat::*capability, bool value,
                            std::string_view separator) {
    std::string keys;
    for (const TOutputFormat& row : OutputFormats) {
        if (row.*capability == value) {
            keys += (keys.empty() ? "" : std::string(separator)) + std::string(row.Key);
        }
    }
    return keys;
}

std::string RenderTable(OutputFormat format, const TableOutputOptions& options,
                        std::span<const TimetableDay> rows, std::span<const RowTimes> times) {
    return FormatRow(format).Write(options, rows, times);
}

std::string RenderRun(OutputFormat format, TableOutputOptions options, const TableClock& clock,
                      TDayRun run, std::vector<TimetableDay>* rows) {
    options.Settings.CivilDateTexts = FormatRow(format).LocaleDates;
    TimetableEngine engine;
    std::vector<RowTimes> times;
    std::vector<TimetableDay> computed = ComputeClockedDays(
        engine, options.Settings, clock, run.First, run.Count, options.Seconds, times);
    std::string text = RenderTable(format, options, computed, times);
    if (rows != nullptr) {
        *rows = std::move(computed);
    }
    return text;
}

}  // namespace orvandel
