// orvandel-table: prints the prayer timetable of a week or of a run of days. Starts the
// computations' shared modules (the ephemeris among them) around the run, and stops them also
// when the run throws; a run that computes nothing (--help, --version, --list-cities, a bad
// input) starts none.
#include <iostream>
#include <optional>

#include "timetable/Session.h"
#include "tools/OrvandelTableCommand.h"

int main(int argc, char** argv) {
    try {
        std::optional<orvandel::TimetableSession> session;
        return orvandel::table::RunTableCommand(argc, argv, std::cout, std::cerr,
                                                [&session] { session.emplace(); });
    } catch (const std::exception& e) {
        std::cerr << "orvandel-table: " << e.what() << '\n';
        return 1;
    }
}
