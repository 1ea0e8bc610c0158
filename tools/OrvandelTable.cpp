// orvandel-table: prints the prayer timetable of a week or of a run of days. Starts the
// ephemeris and the observer places around the run, ephemeris first up and last down; a run
// that computes nothing (--help, --version, --list-cities, a bad input) starts neither.
#include <iostream>
#include <optional>

#include "Classes/cTvkLocation.h"
#include "ephemeris/fn_Ephemeris.h"
#include "tools/OrvandelTableCommand.h"

namespace {

// Ephemeris first up, last down, also when the run throws.
class EphemerisSession {
  public:
    EphemerisSession() {
        orvandel::StartEphemeris();
        orvandel::StartObserverLocations();
    }
    ~EphemerisSession() {
        orvandel::StopObserverLocations();
        orvandel::StopEphemeris();
    }
    EphemerisSession(const EphemerisSession&) = delete;
    EphemerisSession& operator=(const EphemerisSession&) = delete;
};

}  // namespace

int main(int argc, char** argv) {
    try {
        std::optional<EphemerisSession> session;
        return orvandel::table::RunTableCommand(argc, argv, std::cout, std::cerr,
                                                [&session] { session.emplace(); });
    } catch (const std::exception& e) {
        std::cerr << "orvandel-table: " << e.what() << '\n';
        return 1;
    }
}
