#pragma once
// The line that tells the user the ephemeris files failed their start-up check and which source
// the Hijri dates come from instead.

class QGroupBox;
class QLabel;
class QWidget;

namespace orvandel {

// Adds the line "lblEphemerisNotice" to `form` when EphemerisNotice() is not empty; nothing
// otherwise. The line sits on the caption row of `group`, right of its caption and inside its
// width, in `footnote`'s font, so it covers no other control; a text longer than that room is
// elided, and the whole text is the tool tip. Returns the label or nullptr.
QLabel* AddEphemerisNoticeLine(QWidget* form, const QLabel* footnote, const QGroupBox* group);

}  // namespace orvandel
