#pragma once
// What the solar computations of nearby moments share, held by the caller.

#include <memory>

namespace orvandel {

// The values the solar functions remember between calls: the ephemeris correction of the year
// last asked, the angles and power series about the last few grid days (one every eight days),
// the sun's declination at the last few moments, and functions of the latitude and of the
// depression angles. Each is a pure value of its key, so one state can serve any sequence of
// calls and cannot go stale; one held over the rows of a run saves computing them again row by
// row. A state serves one thread at a time. The solar functions called without a state start
// from an empty one.
class SolarState {
  public:
    SolarState();
    ~SolarState();
    SolarState(const SolarState&) = delete;
    SolarState& operator=(const SolarState&) = delete;

    struct Memory;  // the solar code's own
    Memory& Remembered() { return *memory_; }

  private:
    std::unique_ptr<Memory> memory_;
};

}  // namespace orvandel
