#pragma once
// Rendering of computed timetable rows for orvandel-table: the aligned text table and the list
// of catalogue cities (the data formats are the core's TableWriters). Every renderer returns
// the whole text, so that nothing reaches the terminal when a later row fails.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "timetable/TableClock.h"
#include "timetable/TableWriters.h"
#include "timetable/Timetable.h"
#include "tools/OrvandelTableCommand.h"

namespace orvandel::table {

// Each renderer takes the rows and, for each row, where its times lie (ComputeClockedDays).
// With request.IsoTimes every time is the wall-clock date-time of its instant with its offset
// (2025-07-01T04:47:00+01:00), empty for an event that does not happen.

// The aligned table: a heading with the place, the zone and the options, then one line per
// row. The row `markedRow` (index into rows, or -1 for none) starts with "*".
std::string RenderText(const TableRequest& request, std::span<const TimetableDay> rows,
                       std::span<const RowTimes> times, int markedRow);
// The visible catalogue, group by group, one city per line with its coordinates, zone and
// calculation method.
std::string RenderCityList();

// The warning for the rows from the Hijri epoch on whose Hijri date could not be computed:
// "no Hijri date could be computed for 5500-01-01 to 5500-03-09, 5600-01-01", consecutive
// days joined into runs, at most 8 runs and then how many days more; empty when there are
// none. Rows before the epoch have no Hijri date to compute.
std::string MissingHijriDates(std::span<const TimetableDay> rows);

}  // namespace orvandel::table
