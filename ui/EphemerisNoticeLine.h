#pragma once
// The line that tells the user the ephemeris files failed their start-up check, or a check of
// their answers later, and which source the Hijri dates come from instead.

#include <QString>

class QGroupBox;
class QLabel;
class QWidget;

namespace orvandel {

// Shows EphemerisNotice(), followed by `windowNotice` (the window's own, such as a settings
// file it could not use), in the line "lblEphemerisNotice" of `form`: adds the line when the
// notice is not empty and there is none yet, updates it when the notice changed, hides it when
// the notice is empty. Called at start-up and after every recompute, which may have given up a
// source. The line sits on the caption row of `group`, right of its caption and inside its
// width, in `footnote`'s font, so it covers no other control; a text longer than that room is
// elided, and the whole text is the tool tip. Returns the label or nullptr.
QLabel* ShowEphemerisNotice(QWidget* form, const QLabel* footnote, const QGroupBox* group,
                            const QString& windowNotice = QString());

}  // namespace orvandel
