// The program's start-up and shut-down order around every test of this program: the
// ephemeris first up and last down, so that swe_close is the last library call.
#include <gtest/gtest.h>

#include "Classes/cTvkLocation.h"
#include "ephemeris/fn_Ephemeris.h"

namespace {

class EphemerisEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        orvandel::StartEphemeris();
        orvandel::StartObserverLocations();
    }
    void TearDown() override {
        orvandel::StopObserverLocations();
        orvandel::StopEphemeris();
    }
};

::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new EphemerisEnvironment);

}  // namespace
