#pragma once
// What every computation of a program shares, started once before the first and stopped after
// the last: the calendar's epochs, the ephemeris and the observer places. The window and
// orvandel-table each hold one session around their work.

namespace orvandel {

class TimetableSession {
  public:
    // The epochs are computed on first use; asking for them here computes them at start, the
    // Julian epoch before the Islamic epoch that derives from it. Then the ephemeris, then the
    // observer places that use it.
    TimetableSession();
    // In the reverse order; the ephemeris last.
    ~TimetableSession();
    TimetableSession(const TimetableSession&) = delete;
    TimetableSession& operator=(const TimetableSession&) = delete;
};

}  // namespace orvandel
