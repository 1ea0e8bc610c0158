// The window's side of "Open on this place next time": which controls a kept place fills and
// when it is written. Reading, checking and writing the file are PlaceMemory's.

#include <QAction>
#include <QCheckBox>

#include "timetable/SettingsRules.h"
#include "timetable/TableText.h"
#include "ui/EphemerisNoticeLine.h"
#include "ui/TimetableMenu.h"
#include "ui/mainPrayerUI.h"

namespace orvandel {

std::optional<TPlaceMemory> TForm1::ReadRememberedPlace() {
    try {
        return ReadPlaceMemory(FPlaceMemoryPath);
    } catch (const EPlaceMemoryError& e) {
        FPlaceMemoryProblem = tr("Kept place not used: %1").arg(QString::fromStdString(e.what()));
        return std::nullopt;
    }
}

void TForm1::ApplyRememberedPlace(const TPlaceMemory& memory) {
    const bool updating = FUpdating;
    FUpdating = true;
    const TimetableSettings& s = memory.Settings;
    WritePlaceFields(s);
    cbAddSafetyTime->setChecked(s.AddSafetyTime);
    cbRoundMinutes->setChecked(s.RoundMinutes);
    cbRightToLeft->setChecked(s.RightToLeft);
    // Sunset-based counts belong to the places of the Saudi group, whose opening enabled them.
    cbSunsetBased->setChecked(s.SunsetBased && cbSunsetBased->isEnabled());
    cb12hours->setChecked(s.TwelveHours);
    TimetableSettings shown = ReadSettings();
    const bool forced = ApplySunsetBasedClock(shown);
    cb12hours->setChecked(shown.TwelveHours);
    cb12hours->setEnabled(!forced);
    cbLocalClock->setChecked(memory.LocalClock);
    FAdjustMinutes = s.AdjustMinutes;
    FHijriAdjustDays = s.HijriAdjustDays;
    FHighLatRule = s.HighLatRule;
    FUpdating = updating;
    // Only now: a recompute before would write the city's own settings over the kept ones.
    FRememberPlace = true;
    TimetableMenu->RememberPlaceAction->setChecked(true);
}

void TForm1::KeepPlace() {
    if (!FRememberPlace) {
        return;
    }
    TPlaceMemory memory;
    memory.Settings = ReadSettings();
    memory.City = FCity;
    memory.Caption = PlaceNameOf(memory.Settings, FCity).Text;
    memory.LocalClock = cbLocalClock->isChecked();
    std::vector<std::pair<QString, QString>> values = PlaceMemoryValues(memory);
    if (values == FPlaceKept) {
        return;
    }
    try {
        WritePlaceMemory(FPlaceMemoryPath, memory);
        FPlaceKept = std::move(values);
        FPlaceMemoryProblem.clear();
    } catch (const EPlaceMemoryError& e) {
        FPlaceMemoryProblem = tr("Place not kept: %1").arg(QString::fromStdString(e.what()));
    }
}

void TForm1::SetRememberPlace(bool on) {
    FRememberPlace = on;
    TimetableMenu->RememberPlaceAction->setChecked(on);
    FPlaceKept.clear();
    FPlaceMemoryProblem.clear();
    if (on) {
        KeepPlace();
    } else {
        try {
            RemovePlaceMemory(FPlaceMemoryPath);
        } catch (const EPlaceMemoryError& e) {
            FPlaceMemoryProblem =
                tr("Kept place not removed: %1").arg(QString::fromStdString(e.what()));
        }
    }
    ShowEphemerisNotice(this, RzLabel3, RzGroupBox3, FPlaceMemoryProblem);
}

}  // namespace orvandel
