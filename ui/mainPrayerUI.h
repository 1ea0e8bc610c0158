#pragma once
// The main window: the date, the place (from the city list or typed), the methods and the
// display options, and the week's timetable drawn in two grids. Every change recomputes the
// week once through the timetable engine; the draw handlers paint only the stored texts.

#include <QFont>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/DateTime.h"
#include "timetable/CityCatalogue.h"
#include "timetable/TableClock.h"
#include "timetable/Timetable.h"
#include "ui/ImageList.h"
#include "ui/PlaceMemory.h"
#include "ui/TimetablePanel.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPainter;

namespace orvandel {

class TCityList;
class TPlaceFinder;
struct TPlace;
class TDateField;
class TDrawGrid;
class TFloatSpinEdit;
class TRadioGroup;
class TSpinEdit;
class TTimetableMenu;
class TUrlLabel;

// What the footer's link opens and says: the README installed with the program
// (<programFolder>/../share/doc/orvandel/README.md), else, when the program runs from its
// build tree, the README of its source tree, else the manual page Orvandel(1).
struct TDocumentLink {
    QUrl Address;
    QString Caption;  // "README", "Orvandel(1)"
};
TDocumentLink DocumentationLink(const QString& programFolder);

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    static constexpr int ClientWidth = 792;   // pixels
    static constexpr int ClientHeight = 520;  // pixels
    static constexpr int GridRows = 8;        // header + seven days
    static constexpr int TimeTextRows = 11;   // TimeTexts rows 0..10, rows 1..7 used
    static constexpr int HintTimeMs = 25000;  // how long a hint stays visible
    static constexpr int PanelBorder = 1;     // pixels of the timetable panel's left and top edge

    // Where the window reads today's local date and time: at its first showing and for
    // "This week".
    using TodaySource = std::function<TDateTime()>;

    // Builds every control with its defaults (FormCreate); nothing is computed before the
    // window is first shown. `today` is the clock the window starts on; the computer's own
    // by default and when empty.
    explicit TForm1(TodaySource today = Now, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, owned by the window through their Qt parents.
    QLabel* RzLabel2;
    TDateField* edCalendar;
    QCheckBox* cbSunsetBased;
    QCheckBox* cb12hours;
    QCheckBox* cbAddSafetyTime;
    QCheckBox* cbRoundMinutes;
    QCheckBox* cbRightToLeft;
    // The place's own clock: checked, the table is read on the zone of the chosen city (or on
    // the computer's own zone for a place typed with an offset it uses); unchecked, on the
    // fixed offset of the GMT fields. Shown, with the zone's name, only where that clock has
    // daylight saving or differs from the fields, over the date column's header.
    QCheckBox* cbLocalClock;
    TTimetablePanel* RzPanel1;  // the timetable: the two grids, and the table read aloud
    TDrawGrid* ColCities;
    TDrawGrid* Grid;
    QLabel* RzLabel3;
    QGroupBox* RzGroupBox3;
    QLabel* Label8;
    TFloatSpinEdit* spinDegLat;
    QLabel* Label9;
    TFloatSpinEdit* spinDegLong;
    QLabel* Label10;
    TSpinEdit* spinHrsGmt;
    QLabel* Label16;
    TSpinEdit* spinMinutGmt;
    QLabel* Label17;
    QLabel* Label2;
    TSpinEdit* spinElevation;
    // The five methods with their own button, then "Other:", whose list cbOtherMethod holds
    // the further rows of CalcMethods().
    TRadioGroup* rgCalcMethod;
    QComboBox* cbOtherMethod;
    TRadioGroup* rgJuristic;
    QFrame* RzPanel2;
    QGroupBox* grpCities;
    TCityList* CityList;
    TPlaceFinder* edFindPlace;  // finds a town of the gazetteer above the city list
    QLabel* RzLabel1;
    TUrlLabel* RzURLLabel1;
    const TImageList imgArabicNumbers;
    const TImageList imgArabicNumbers_RED;
    TTimetableMenu* TimetableMenu;  // the timetable's context menu and its shortcuts

    // Display data, written by RefreshTimetable and read by the draw handlers.
    std::array<std::array<QString, TimeTextRows>, 6> TimeTexts;  // [column 0..5][row 1..10]
    std::array<QString, GridRows> HijriDateTexts;                // [row 1..7]
    std::array<bool, GridRows> HijriDateValid{};  // [row 1..7], false: the text says there is none
    int CurrentDayRow = 0;                        // 1..7, 0 before the first
    // Under cbLocalClock: the offset the table is read on ("UTC+1"), the day of a change
    // within the week and the offset from then on ("UTC+1, Sun: UTC+0"), "fixed GMT+0" while the
    // box is unchecked, or why the zone could not be read. Empty while the box is hidden.
    QString ClockText;
    // The week of the last recompute, as the core computed it.
    const Timetable& Week() const { return FWeek; }
    // The clock it was read on: the place's zone or the fixed offset of the fields.
    const TableClock& Clock() const { return FClock; }
    // The city last chosen in the catalogue, null before the first.
    const TCityEntry* City() const { return FCity; }
    // The gazetteer's place that City() stands for while it is the place last found by name,
    // else null; it lives in the installed gazetteer.
    const TPlace* FoundPlace() const { return FCity == &FPlaceEntry ? FPlace : nullptr; }
    // Today's local date and time on the window's clock.
    TDateTime Today() const { return FToday(); }

    // Reads the controls, computes the week and repaints. Returns at once while FUpdating is
    // set. Errors of the computation propagate; the cursor and FUpdating are restored first.
    void RefreshTimetable();
    // Writes the catalogue entry with that tag into the fields (nothing for an unknown tag)
    // without recomputing per field, then recomputes once. FUpdating ends cleared.
    void SelectCity(int tag);
    // Writes the gazetteer's place into the fields as a catalogue city (its zone's clock,
    // elevation 0, its country's method), then recomputes once.
    void SelectPlace(const TPlace& place);

    // Event handlers.
    void edCalendarChange();
    void cbRightToLeftClick();
    void cbRoundMinutesClick();
    void cb12hoursClick();
    void cbAddSafetyTimeClick();
    void cbSunsetBasedClick();
    void rgCalcMethodClick();
    void cbOtherMethodChange();
    void rgJuristicClick();
    void spinDegLatChange();
    void spinDegLongChange();
    void spinHrsGmtChange();
    void spinMinutGmtChange();
    void spinElevationChange();
    void cbLocalClockClick();
    void GroupItemClick(int group, int item);
    void GroupOpen(int group);
    void GroupClose(int group);
    void GridDrawCell(QPainter& canvas, int ACol, int ARow, const QRect& Rect);
    void ColCitiesDrawCell(QPainter& canvas, int ACol, int ARow, const QRect& Rect);

    // What the recompute reads from the controls now, with the adjustments below.
    TimetableSettings ReadSettings() const;
    // The calculation method the controls hold (index into CalcMethods()), and showing one:
    // its own button, or "Other:" with the method chosen in its list.
    int CalcMethodIndex() const;
    void ShowCalcMethod(int method);
    // The methods with a button of their own, the first ones of CalcMethods(); item
    // OtherMethodItem of the group is "Other:".
    static constexpr int ButtonMethods = 5;
    static constexpr int OtherMethodItem = ButtonMethods;

    // The user's minutes on each time (index by Prayer) and days on the Hijri date, as the
    // Adjustments dialog set them; none at first. The window keeps them while it runs and
    // saves them nowhere.
    const std::array<int, 6>& AdjustMinutes() const { return FAdjustMinutes; }
    int HijriAdjustDays() const { return FHijriAdjustDays; }
    // The rule for Fajr and Isha where twilight is long; the 48-degree rule at first.
    HighLatitudeRule HighLatRule() const { return FHighLatRule; }
    // Keeps new adjustments (and a rule, else the one kept) and recomputes the week once.
    // ERangeError, with nothing changed, for minutes outside AdjustMinutesRange or days
    // outside HijriAdjustRange.
    void SetAdjustments(const std::array<int, 6>& minutes, int hijriDays);
    void SetAdjustments(const std::array<int, 6>& minutes, int hijriDays, HighLatitudeRule rule);

    // "Open on this place next time": while on, the place, methods and options are written to
    // PlaceMemoryPath() (read when the window is made) whenever they change, and the window
    // opens on them; turning it off removes the file. Off, and nothing written, unless a kept
    // file was read at start-up. A file that cannot be read or written is named once on the
    // notice line (PlaceMemoryProblem) and not used.
    bool RememberPlace() const { return FRememberPlace; }
    void SetRememberPlace(bool on);
    const QString& PlaceMemoryProblem() const { return FPlaceMemoryProblem; }

    bool Updating() const { return FUpdating; }
    // How many recomputes have run (past the FUpdating guard) since the window was created.
    int RefreshCount() const { return FRefreshCount; }
    // Whether the date column stands right of the grid, as the last recompute placed it.
    bool DateColumnOnRight() const { return FDateColumnOnRight; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void BuildOptionsRow();
    void FitDateField();
    void BuildTimetablePanel();
    void BuildCoordinates();
    void BuildMethods();
    void BuildCityPane();
    void BuildFooter();
    void SetKeyboardOrder();
    void ApplyFormColours();
    void ConnectHandlers();
    void FormCreate();
    void FormShow();
    void StoreTimetable(const Timetable& table);
    void PlaceDateColumn(bool onRight);
    // Writes the city's values into the fields and makes it the chosen city; FUpdating is set.
    void WriteCityFields(const TCityEntry& city);
    // The clock of the place in the fields: the chosen city's zone while the GMT fields hold
    // its offset, else the computer's own zone when the fields hold an offset it uses that year,
    // else none (the fixed offset). Sets up cbLocalClock; returns the clock to read the table on.
    TableClock ChooseClock(const TimetableSettings& settings);
    void ShowClock(const Timetable& table, const std::vector<RowTimes>& times);
    // The place's fields and the two methods from `s`; the caller holds FUpdating.
    void WritePlaceFields(const TimetableSettings& s);
    // The latitude and elevation fields refuse a pair under which the sun stays up or down
    // all day on some day of the year (LatitudeRangeAt): each field's range and tool tip
    // follow the other's value.
    void FitLatitudeToElevation();
    // The kept place, when there is a file and it passes every check.
    std::optional<TPlaceMemory> ReadRememberedPlace();
    // Writes the kept place's fields, methods and options into the controls, after its city.
    void ApplyRememberedPlace(const TPlaceMemory& memory);
    // While RememberPlace is on, writes the place, methods and options when they changed.
    void KeepPlace();

    TodaySource FToday;
    bool FUpdating = false;
    bool FShown = false;
    bool FDateColumnOnRight = false;
    const TCityEntry* FCity = nullptr;  // the city last chosen in the catalogue
    TCityEntry FPlaceEntry{};           // the place last found by name, in the catalogue's form
    const TPlace* FPlace = nullptr;     // that place as the gazetteer holds it
    bool FClockInUse = false;           // the last recompute read the table on a zone
    bool FClockShown = false;           // cbLocalClock is shown
    QString FClockProblem;              // why the place's zone could not be read
    int FRefreshCount = 0;
    std::array<int, 6> FAdjustMinutes{};
    int FHijriAdjustDays = 0;
    HighLatitudeRule FHighLatRule = HighLatitudeRule::Rule48;
    bool FRememberPlace = false;
    QString FPlaceMemoryPath = PlaceMemoryPath();
    QString FPlaceMemoryProblem;
    std::vector<std::pair<QString, QString>> FPlaceKept;  // the values last written
    TimetableEngine FEngine;
    Timetable FWeek;
    TableClock FClock;
    QFont FHeaderFont, FDigitRowFont, FTimeFont, FDateFont;
};

}  // namespace orvandel
