#pragma once
// The line under the table's footnote that tells the user the ephemeris files failed their
// start-up check and which source the Hijri dates come from instead.

class QLabel;
class QWidget;

namespace orvandel {

// Adds the line "lblEphemerisNotice" to `form` just below `footnote`, in the footnote's font,
// with the text of EphemerisNotice() (its whole text also as the tool tip), when that text is
// not empty; nothing otherwise. Returns the label or nullptr.
QLabel* AddEphemerisNoticeLine(QWidget* form, const QLabel* footnote);

}  // namespace orvandel
