#pragma once
// What assistive technology (a screen reader on the accessibility bus) reads of the window's
// own widgets, which draw themselves and so have nothing for Qt to read on its own:
// - the timetable's panel is a table of seven days by six prayers: each cell named by its time
//   as shown ("4:46 AM"), each row headed by its day ("Wednesday 10 April 2024, 1 Shawwal
//   1445"), each column by its prayer ("Fajr"), the chosen day's row selected, the panel's
//   current cell focused while the panel has the keyboard focus;
// - the city list is a list of the groups, each with its cities while it is open, the chosen
//   city selected and focused while the list has the keyboard focus;
// - the date field reads its value as a date ("Wednesday 10 April 2024").
// The widgets tell of their changes themselves (focus, selection, new texts).

#include <functional>

class QWidget;

namespace orvandel {

// Makes Qt build the interfaces above for those widgets; once per program, from their
// constructors, before anything asks for their interfaces.
void InstallAccessibility();

// For a widget's focus-in handler: Qt tells assistive technology that the widget itself took the
// focus only after the handler, so a part of the widget that is to have the accessible focus
// (the current cell, the chosen city) is announced by `announce` once the events queued now are
// delivered, while the widget still has the keyboard focus.
void AnnounceAfterFocusIn(QWidget* widget, std::function<void()> announce);

}  // namespace orvandel
