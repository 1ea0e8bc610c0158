#include "ui/mainPrayerUI.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "platform/Errors.h"
#include "platform/TimeZone.h"
#include "timetable/CalcMethods.h"
#include "timetable/SettingsRules.h"
#include "timetable/TableText.h"
#include "ui/Application.h"
#include "ui/CityList.h"
#include "ui/Colors.h"
#include "ui/CrashReportDialog.h"
#include "ui/DateField.h"
#include "ui/DrawGrid.h"
#include "ui/EphemerisNoticeLine.h"
#include "ui/NumericField.h"
#include "ui/PlaceFinder.h"
#include "ui/RadioGroup.h"
#include "ui/TimetableMenu.h"
#include "ui/Translations.h"
#include "ui/UrlLabel.h"

namespace orvandel {

namespace {

const QString FormFontName = QStringLiteral("MS Sans Serif");
const QString FixedFontName = QStringLiteral("Courier New");

constexpr int GridColumns = 6;
constexpr int GridColWidth = 82;         // pixels, the grid's default column width
constexpr int DateColWidth = 120;        // pixels, the date column's default width
constexpr int DateColumnRows = 9;        // rows 0..7 visible, row 8 below the panel
constexpr int RowHeight = 36;            // pixels, every row of both grids
constexpr int ImageRunRightMargin = 20;  // pixels from the digit images to the column's edge
constexpr int DateMarginLeft = 5;        // pixels, dates when the column is on the right
constexpr int DateMarginRight = 10;      // pixels, dates when the column is on the left
constexpr int CaptionGap = 3;            // pixels at least between a caption and the next control

// Sets FUpdating for a scope and sets it to `onExit` however the scope is left.
class TUpdatingScope {
  public:
    TUpdatingScope(bool& flag, bool onExit) : FFlag(flag), FOnExit(onExit) { FFlag = true; }
    ~TUpdatingScope() { FFlag = FOnExit; }
    TUpdatingScope(const TUpdatingScope&) = delete;
    TUpdatingScope& operator=(const TUpdatingScope&) = delete;

  private:
    bool& FFlag;
    bool FOnExit;
};

// The hourglass cursor for a scope, restored however the scope is left.
class TWaitCursor {
  public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// The layout is measured for the narrow "MS Sans Serif"; where it is not installed, prefer
// faces of similar width to the platform's default sans serif, which is much wider.
void PreferNarrowSubstitutes() {
    static const bool done = [] {
        QFont::insertSubstitutions(FormFontName,
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("Helvetica")});
        return true;
    }();
    (void)done;
}

QFont FormFont(int pointSize, bool bold = false) {
    return WithScriptFamilies(QFont(FormFontName, pointSize, bold ? QFont::Bold : QFont::Normal));
}

QLabel* MakeLabel(const QString& text, QWidget* parent, int left, int top, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setFont(FormFont(8, bold));
    // One pixel more than the text, which at a fractional scale may round wider.
    // A translation's scripts may draw a pixel or two past their advance (Bengali vowel signs).
    const int slack = UiTranslated() ? 3 : 1;
    label->setGeometry(left, top, label->sizeHint().width() + slack, label->sizeHint().height());
    return label;
}

// Widens each control of a row to its caption where the caption needs more than the place the
// layout gives it, and moves the next control right where they would touch.
void FitRow(std::initializer_list<QWidget*> row) {
    const QWidget* previous = nullptr;
    for (QWidget* w : row) {
        w->resize(std::max(w->width(), w->sizeHint().width()), w->height());
        if (previous != nullptr && w->x() < previous->geometry().right() + 1 + CaptionGap) {
            w->move(previous->geometry().right() + 1 + CaptionGap, w->y());
        }
        previous = w;
    }
}

// Mirrors the places of a right-to-left window's controls, which are laid out for left to right:
// each control of `parent` moves to the other side, and so do those of the boxes and panes that
// hold controls. The timetable's panel keeps its inside, which "Right-to-left" orders, and the
// method groups order their items themselves.
void MirrorPlaces(QWidget* parent) {
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow()) {
            continue;
        }
        w->setGeometry(QStyle::visualRect(Qt::RightToLeft, parent->rect(), w->geometry()));
        const bool holdsControls =
            qobject_cast<QGroupBox*>(w) != nullptr || w->metaObject() == &QFrame::staticMetaObject;
        if (holdsControls && qobject_cast<TRadioGroup*>(w) == nullptr) {
            MirrorPlaces(w);
        }
    }
}

// Where a row runs past `limit` (a translation's longer captions), takes back room from its end:
// first the room that captioned controls have beyond their captions, then the gaps between the
// controls down to CaptionGap each, until the row ends at `limit` or no room is left.
void PackRow(std::initializer_list<QWidget*> row, int limit) {
    const std::vector<QWidget*> controls(row);
    int overflow = controls.back()->geometry().right() - limit;
    const auto shiftFrom = [&](size_t first, int by) {
        for (size_t j = first; j < controls.size(); ++j) {
            controls[j]->move(controls[j]->x() - by, controls[j]->y());
        }
        overflow -= by;
    };
    for (size_t i = controls.size(); i-- > 0 && overflow > 0;) {
        QWidget* w = controls[i];
        const bool captioned =
            qobject_cast<QAbstractButton*>(w) != nullptr || qobject_cast<QLabel*>(w) != nullptr;
        const int spare = std::min(overflow, w->width() - w->sizeHint().width());
        if (captioned && spare > 0) {
            w->resize(w->width() - spare, w->height());
            shiftFrom(i + 1, spare);
        }
    }
    for (size_t i = controls.size() - 1; i > 0 && overflow > 0; --i) {
        const int gap = controls[i]->x() - controls[i - 1]->geometry().right() - 1;
        const int take = std::min(overflow, gap - CaptionGap);
        if (take > 0) {
            shiftFrom(i, take);
        }
    }
}

QCheckBox* MakeCheckBox(const QString& text, QWidget* parent, const QRect& place, bool checked) {
    auto* box = new QCheckBox(text, parent);
    box->setGeometry(place);
    box->setChecked(checked);
    return box;
}

// Draws `text` with the top of its line at (x, y), clipped to `clip`.
void TextOut(QPainter& canvas, const QRect& clip, int x, int y, const QString& text) {
    canvas.save();
    canvas.setClipRect(clip, Qt::IntersectClip);
    canvas.drawText(QPoint(x, y + canvas.fontMetrics().ascent()), text);
    canvas.restore();
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// "UTC+1", "UTC+5:30", "UTC-3:30", "UTC+6:42:04" (a local mean time of the 19th century).
QString ClockOffsetText(int offset) {
    const int magnitude = std::abs(offset);
    QString text = QStringLiteral("UTC") + (offset < 0 ? u'-' : u'+') +
                   QString::number(magnitude / 3600);
    if (magnitude % 3600 != 0) {
        text += u':' + QStringLiteral("%1").arg(magnitude / 60 % 60, 2, 10, QChar(u'0'));
    }
    if (magnitude % 60 != 0) {
        text += u':' + QStringLiteral("%1").arg(magnitude % 60, 2, 10, QChar(u'0'));
    }
    return text;
}

// The first word of a row's civil date, its day's name ("Sun").
QString DayName(const TimetableDay& day) {
    if (UiTranslated()) {
        return ShortDayCaption(DayOfWeek(day.Serial));
    }
    const QString civil = FromUtf8(day.CivilDateText);
    return civil.left(civil.indexOf(u' '));
}

}  // namespace

TDocumentLink DocumentationLink(const QString& programFolder) {
    const QString installed =
        QDir(programFolder).filePath(QStringLiteral(ORVANDEL_INSTALLED_README));
    for (const QString& path : {installed, QStringLiteral(ORVANDEL_SOURCE_README)}) {
        const QFileInfo readme(path);
        if (readme.isFile() && readme.isReadable()) {
            return {QUrl::fromLocalFile(QDir::cleanPath(readme.absoluteFilePath())),
                    QStringLiteral("README")};
        }
    }
    return {QUrl(QStringLiteral("man:Orvandel(1)")), QStringLiteral("Orvandel(1)")};
}

TForm1::TForm1(TodaySource today, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      imgArabicNumbers(QStringLiteral("black"),
                       UiDigitShapes() == TDigitShapes::EasternArabicIndic),
      imgArabicNumbers_RED(QStringLiteral("red"),
                           UiDigitShapes() == TDigitShapes::EasternArabicIndic),
      FToday(today ? std::move(today) : TodaySource(Now)),
      FHeaderFont(FormFont(9, true)),
      FDigitRowFont(FixedFontName, 8, QFont::Normal),
      FTimeFont(FixedFontName, 12, QFont::Normal),
      FDateFont(FormFont(8)) {
    BuildControls();
    ConnectHandlers();
    TimetableMenu = new TTimetableMenu(*this);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
    PreferNarrowSubstitutes();
    setWindowTitle(QStringLiteral("Tovrek   -   Orvandel"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(FormFont(8));
    setPalette(FormPalette());
    setAutoFillBackground(true);
    // The direction is the window's language's, whatever the desktop's (-reverse) or the
    // locale's: a right-to-left translation mirrors the window, English never does. Painters
    // take the direction of their text from the application, so the program's one window sets
    // it there too: otherwise "12-hour times" would read "hour times-12".
    QGuiApplication::setLayoutDirection(UiDirection());
    setLayoutDirection(UiDirection());

    BuildOptionsRow();
    BuildTimetablePanel();
    BuildCoordinates();
    BuildMethods();
    BuildCityPane();
    BuildFooter();
    SetKeyboardOrder();
    ApplyFormColours();
    // Captions measured with the style sheet's spacing.
    FitRow({cbSunsetBased, cb12hours, cbAddSafetyTime, cbRoundMinutes, cbRightToLeft});
    FitRow({Label8, spinDegLat, Label9, spinDegLong, Label10, spinHrsGmt, Label16, spinMinutGmt,
            Label17, Label2, spinElevation});
    if (UiTranslated()) {
        FitDateField();
    }
    PackRow({RzLabel2, edCalendar, cbSunsetBased, cb12hours, cbAddSafetyTime, cbRoundMinutes,
             cbRightToLeft},
            ClientWidth - CaptionGap);
    if (layoutDirection() == Qt::RightToLeft) {
        MirrorPlaces(this);
    }
    edCalendar->setFocus();
}

// The top row: the date and the display options.
void TForm1::BuildOptionsRow() {
    RzLabel2 = MakeLabel(tr("Date"), this, 158, 22, true);
    edCalendar = new TDateField(this);
    edCalendar->setGeometry(190, 19, 111, 21);
    RzLabel2->setBuddy(edCalendar);  // names the field for assistive technology
    edCalendar->setToolTip(
        tr("Use Up/Down arrows to move by a day.\n"
           "Use PageUp and PageDown to move by a month.\n"
           "Use SHIFT+PageUp or SHIFT+PageDown to move by a year."));
    cbSunsetBased = MakeCheckBox(tr("Sunset based"), this, {312, 21, 91, 17}, false);
    cbSunsetBased->setToolTip(
        tr("Old-fashioned method of counting time whereby noon (12:00)\n"
           "is defined as occurring at the time of sunset. This method of\n"
           "time keeping is only used in Saudi Arabia which follows the\n"
           "Umm Al-Qura method of prayer calculation which means that\n"
           "when using this option, Maghrib always occurs at 12:00 and\n"
           "Isha always occurs at 1:30 (or 2:00 during Ramadan)."));
    cb12hours = MakeCheckBox(tr("12-hour times"), this, {409, 21, 83, 17}, true);
    cbAddSafetyTime = MakeCheckBox(tr("Add safety time"), this, {499, 21, 95, 17}, true);
    cbRoundMinutes = MakeCheckBox(tr("Nearest minute"), this, {601, 21, 94, 17}, false);
    cbRightToLeft = MakeCheckBox(tr("Right-to-left"), this, {702, 21, 77, 17}, true);
}

// A translation's dates take other day and month names than the field was sized for: the field
// widens to the longest, right of its label, and the options right of it move along as far as
// needed.
void TForm1::FitDateField() {
    constexpr int buttonAndFrame = 30;  // pixels of the field beside its text
    const int gap = cbSunsetBased->x() - edCalendar->geometry().right();  // kept
    const QFontMetrics metrics(edCalendar->font());
    // The month of the widest name, then the widest of its days 22 to 28, which fall on every
    // weekday: the widest date of the language.
    const QLocale locale = UiLocale();
    int month = 1;
    int monthWidth = 0;
    for (int m = 1; m <= 12; ++m) {
        const int width = metrics.horizontalAdvance(locale.monthName(m, QLocale::ShortFormat));
        if (width > monthWidth) {
            month = m;
            monthWidth = width;
        }
    }
    int widest = 0;
    for (int day = 22; day <= 28; ++day) {
        widest = std::max(
            widest, metrics.horizontalAdvance(ShortDateCaption(EncodeDate(2024, month, day), 1)));
    }
    const int left = std::max(edCalendar->x(), RzLabel2->geometry().right() + 1 + CaptionGap);
    edCalendar->setGeometry(left, edCalendar->y(),
                            std::max(edCalendar->width(), widest + buttonAndFrame),
                            edCalendar->height());
    const int shift = edCalendar->geometry().right() + gap - cbSunsetBased->x();
    if (shift > 0) {
        for (QWidget* w :
             {cbSunsetBased, cb12hours, cbAddSafetyTime, cbRoundMinutes, cbRightToLeft}) {
            w->move(w->x() + shift, w->y());
        }
    }
}

// The timetable: the date column and the six prayer columns side by side, and the footnote
// under them.
void TForm1::BuildTimetablePanel() {
    RzPanel1 = new TTimetablePanel(*this, this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setGeometry(158, 47, 620, 297);
    // The panel takes the focus for the timetable's menu keys; the grids take no input.
    RzPanel1->setFocusPolicy(Qt::StrongFocus);
    ColCities = new TDrawGrid(1, DateColumnRows, DateColWidth, RowHeight, RzPanel1);
    ColCities->SetBackground(DateColumnBackground);
    ColCities->setFont(FormFont(9));
    ColCities->setEnabled(false);
    Grid = new TDrawGrid(GridColumns, GridRows, GridColWidth, RowHeight, RzPanel1);
    Grid->setFont(QFont(FixedFontName, 9, QFont::Normal));
    Grid->setEnabled(false);
    // Over the date column's header cell, which the grid leaves empty.
    cbLocalClock = new QCheckBox(RzPanel1);
    cbLocalClock->setObjectName(QStringLiteral("cbLocalClock"));
    cbLocalClock->setFont(FormFont(8));
    cbLocalClock->setChecked(true);
    cbLocalClock->setAttribute(Qt::WA_TranslucentBackground);
    cbLocalClock->hide();
    PlaceDateColumn(true);

    RzLabel3 =
        new QLabel(tr("* Muslim dates are set by local authorities and can therefore vary by a "
                      "day from the above astronomical calculations"),
                   this);
    RzLabel3->setFont(FormFont(8));
    RzLabel3->setGeometry(161, 345, 677, RzLabel3->sizeHint().height());
    RzLabel3->setAttribute(Qt::WA_TranslucentBackground);
    {
        QPalette p = RzLabel3->palette();
        p.setColor(QPalette::WindowText, GrayTextColor(palette()));
        RzLabel3->setPalette(p);
    }
}

// The place typed by hand.
void TForm1::BuildCoordinates() {
    RzGroupBox3 = new QGroupBox(tr("Coordinates"), this);
    RzGroupBox3->setFont(FormFont(8, true));
    RzGroupBox3->setGeometry(154, 366, 624, 52);
    ShowEphemerisNotice(this, RzLabel3, RzGroupBox3);
    const QFont fieldFont(FixedFontName, 8, QFont::Normal);  // not the group's bold
    Label8 = MakeLabel(tr("Latitude"), RzGroupBox3, 9, 24);
    spinDegLat = new TFloatSpinEdit(LatitudeRange.Min, LatitudeRange.Max, 4, 0.1, 1.0, RzGroupBox3);
    spinDegLat->setGeometry(50, 20, 91, 22);
    Label9 = MakeLabel(tr("Longitude"), RzGroupBox3, 147, 24);
    spinDegLong =
        new TFloatSpinEdit(LongitudeRange.Min, LongitudeRange.Max, 4, 0.1, 1.0, RzGroupBox3);
    spinDegLong->setGeometry(197, 20, 91, 22);
    Label10 = MakeLabel(tr("GMT"), RzGroupBox3, 314, 24);
    spinHrsGmt = new TSpinEdit(ZoneHoursRange.Min, ZoneHoursRange.Max, 1, 10, RzGroupBox3);
    spinHrsGmt->setGeometry(341, 20, 48, 22);
    Label16 = MakeLabel(tr("hrs."), RzGroupBox3, 391, 24);
    spinMinutGmt = new TSpinEdit(ZoneMinutesRange.Min, ZoneMinutesRange.Max, 1, 15, RzGroupBox3);
    spinMinutGmt->setGeometry(409, 20, 47, 22);
    Label17 = MakeLabel(tr("min."), RzGroupBox3, 460, 24);
    Label2 = MakeLabel(tr("Elevation"), RzGroupBox3, 500, 24);
    spinElevation = new TSpinEdit(ElevationRange.Min, ElevationRange.Max, 10, 100, RzGroupBox3);
    spinElevation->setGeometry(547, 20, 64, 22);
    FitLatitudeToElevation();
    // Each field is named by its label for assistive technology, not by the group's title;
    // the zone's two fields share the label "GMT" and are told apart by their units.
    Label8->setBuddy(spinDegLat);
    Label9->setBuddy(spinDegLong);
    Label10->setBuddy(spinHrsGmt);
    Label2->setBuddy(spinElevation);
    spinHrsGmt->setAccessibleName(tr("GMT hours"));
    spinMinutGmt->setAccessibleName(tr("GMT minutes"));
    for (QAbstractSpinBox* box :
         {static_cast<QAbstractSpinBox*>(spinDegLat), static_cast<QAbstractSpinBox*>(spinDegLong),
          static_cast<QAbstractSpinBox*>(spinHrsGmt), static_cast<QAbstractSpinBox*>(spinMinutGmt),
          static_cast<QAbstractSpinBox*>(spinElevation)}) {
        box->setFont(fieldFont);
    }
}

// The calculation and juristic methods, in the order of the core's tables: the first
// calculation methods each with its button, the others in a list that a last item, "Other:",
// chooses, so that the group keeps its place and size however many methods the table has.
// The group has no room left for the list: it stands under the group (BuildFooter).
void TForm1::BuildMethods() {
    // Each method's caption with two trailing blanks.
    QStringList methodCaptions;
    for (const TCalcMethod& method : CalcMethods().first(ButtonMethods)) {
        methodCaptions << CoreCaption(method.Caption) + QStringLiteral("  ");
    }
    methodCaptions << tr("Other:");
    rgCalcMethod = new TRadioGroup(tr("Prayer Calculation Method"), methodCaptions, 3, this);
    rgCalcMethod->setFont(FormFont(8, true));
    rgCalcMethod->SetItemFont(FormFont(8));
    cbOtherMethod = new QComboBox(this);
    cbOtherMethod->setObjectName(QStringLiteral("cbOtherMethod"));
    cbOtherMethod->setFont(FormFont(8));
    for (int i = ButtonMethods; i < CalcMethodCount(); ++i) {
        const QString caption = CoreCaption(CalcMethods()[static_cast<size_t>(i)].Caption);
        cbOtherMethod->addItem(caption, i);
        cbOtherMethod->setItemData(cbOtherMethod->count() - 1, caption, Qt::ToolTipRole);
    }
    // The closed box is narrow; its open list is as wide as its longest caption.
    cbOtherMethod->view()->setMinimumWidth(cbOtherMethod->view()->sizeHintForColumn(0) + 24);
    cbOtherMethod->setCurrentIndex(-1);  // until "Other:" is checked
    cbOtherMethod->setAccessibleName(tr("Other calculation method"));
    rgCalcMethod->Button(OtherMethodItem)->setAccessibleName(tr("Other calculation method:"));
    rgCalcMethod->setGeometry(154, 426, 495, 62);
    rgCalcMethod->SetItemIndex(0);
    QStringList juristicCaptions;
    for (const TJuristicMethod& juristic : JuristicMethods) {
        juristicCaptions << CoreCaption(juristic.Caption);
    }
    rgJuristic = new TRadioGroup(tr("Juristic Method"), juristicCaptions, 1, this);
    rgJuristic->setFont(FormFont(8, true));
    rgJuristic->SetItemFont(FormFont(8));
    rgJuristic->setGeometry(656, 426, 122, 62);
    rgJuristic->SetItemIndex(0);
}

// The city list in the left pane.
void TForm1::BuildCityPane() {
    RzPanel2 = new QFrame(this);
    RzPanel2->setGeometry(0, 0, 154, ClientHeight);
    grpCities = new QGroupBox(tr(" Cities "), RzPanel2);
    grpCities->setObjectName(QStringLiteral("grpCities"));
    grpCities->setFont(FormFont(8, true));  // as the other group captions
    grpCities->setGeometry(10, 10, 134, ClientHeight - 20);
    CityList = new TCityList(grpCities);
    constexpr int findHeight = 22;  // pixels of the find field and the gap under it
    CityList->setGeometry(4, 22 + findHeight, 126, ClientHeight - 20 - 26 - findHeight);
    edFindPlace = new TPlaceFinder(CityList, grpCities);
    edFindPlace->setFont(FormFont(8));
    edFindPlace->Matches()->setFont(FormFont(8));
    edFindPlace->setGeometry(4, 22, 126, findHeight - 2);
}

// The program's line and the link to its documentation under the methods.
void TForm1::BuildFooter() {
    RzLabel1 =
        MakeLabel(tr("Orvandel - weekly prayer times, by the Orvandel developers"), this, 154, 497);
    const TDocumentLink documentation = DocumentationLink(QCoreApplication::applicationDirPath());
    RzURLLabel1 = new TUrlLabel(documentation.Address, documentation.Caption, this);
    RzURLLabel1->setFont([] {
        QFont f = FormFont(8);
        f.setUnderline(true);
        return f;
    }());
    RzURLLabel1->setFixedSize(RzURLLabel1->sizeHint() + QSize(1, 0));
    // Ends where the panels above end, whatever the width of the address.
    RzURLLabel1->move(RzPanel1->geometry().right() + 1 - RzURLLabel1->width(), 497);
    // The list of further methods under the method group's "Other:", from the end of the
    // program's line to the group's right edge.
    const int listLeft = RzLabel1->x() + RzLabel1->sizeHint().width() + 8;
    const int listHeight = cbOtherMethod->sizeHint().height();
    cbOtherMethod->setGeometry(listLeft, rgCalcMethod->geometry().bottom() + 4,
                               rgCalcMethod->geometry().right() + 1 - listLeft, listHeight);
}

// Keyboard order; the timetable's panel takes the focus for its menu keys.
void TForm1::SetKeyboardOrder() {
    QWidget* order[] = {edCalendar,   RzPanel1,     cbRightToLeft, cbRoundMinutes,
                        cbLocalClock, cb12hours,    spinDegLat,    spinDegLong,
                        spinHrsGmt,   spinMinutGmt, spinElevation, cbAddSafetyTime,
                        edFindPlace,  CityList,     cbSunsetBased};
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (w == nullptr) {
            continue;
        }
        if (previous == spinElevation) {
            // The two method groups come after the coordinates, item by item, the list of
            // further methods after the calculation methods' items.
            for (TRadioGroup* group : {rgCalcMethod, rgJuristic}) {
                for (int i = 0; i < group->Count(); ++i) {
                    setTabOrder(previous, group->Button(i));
                    previous = group->Button(i);
                }
                if (group == rgCalcMethod) {
                    setTabOrder(previous, cbOtherMethod);
                    previous = cbOtherMethod;
                }
            }
        }
        if (previous != nullptr) {
            setTabOrder(previous, w);
        }
        previous = w;
    }
}

// The form's colours on every control, and the window's style sheet.
void TForm1::ApplyFormColours() {
    // A style sheet cuts the widgets under it off the form's palette: they would take the
    // desktop's text colours onto the form's backgrounds (light on beige under a dark theme).
    // So every control holds the form's colours as its own, apart from those it sets itself.
    for (QWidget* w : findChildren<QWidget*>()) {
        QPalette own = w->palette().resolve(FormPalette());
        own.setResolveMask(~QPalette::ResolveMask(0));
        w->setPalette(own);
    }
    // This sheet wins over an application's: where it sets a background it sets the text
    // colour too, so that the timetable's panel and the clock's box on it keep dark text on
    // their light backgrounds under a desktop's style sheet of light text. The printed week
    // draws the panel's edge and background from the same colours.
    setStyleSheet(
        QStringLiteral(
            "QCheckBox:hover, QCheckBox:focus, QRadioButton:hover, QRadioButton:focus"
            " { color: %1; }"
            "QCheckBox { spacing: 3px; }"
            "QFrame#RzPanel1 { border-left: %5px solid %2; border-top: %5px solid %2;"
            " border-right: none; border-bottom: none; background: %3; color: %6; }"
            "QFrame#RzPanel1:focus { border-left-color: %1; border-top-color: %1; }"
            "QCheckBox#cbLocalClock { background: none; color: %6; }"
            "QCheckBox#cbLocalClock:hover, QCheckBox#cbLocalClock:focus { color: %1; }"
            "QGroupBox#grpCities { border: 1px solid %4; margin-top: 8px; }"
            "QGroupBox#grpCities::title { subcontrol-origin: margin; left: 4px; padding: 0; }")
            .arg(CurrentDayRed.name(), PanelBorderColor.name(), DateColumnBackground.name(),
                 FormBackground.name(), QString::number(PanelBorder), FormText.name()));
}

// Every handler runs guarded: an error it raises is reported by the application and does not
// unwind through the toolkit that called it.
void TForm1::ConnectHandlers() {
    connect(edCalendar, &TDateField::Changed, this, Guarded([this] { edCalendarChange(); }));
    // Check boxes raise their click handler on every change of state, also when the window
    // sets them, as the recompute guard expects.
    connect(cbRightToLeft, &QCheckBox::toggled, this, Guarded([this] { cbRightToLeftClick(); }));
    connect(cbRoundMinutes, &QCheckBox::toggled, this, Guarded([this] { cbRoundMinutesClick(); }));
    connect(cb12hours, &QCheckBox::toggled, this, Guarded([this] { cb12hoursClick(); }));
    connect(cbAddSafetyTime, &QCheckBox::toggled, this,
            Guarded([this] { cbAddSafetyTimeClick(); }));
    connect(cbSunsetBased, &QCheckBox::toggled, this, Guarded([this] { cbSunsetBasedClick(); }));
    connect(cbLocalClock, &QCheckBox::toggled, this, Guarded([this] { cbLocalClockClick(); }));
    connect(rgCalcMethod, &TRadioGroup::Click, this, Guarded([this] { rgCalcMethodClick(); }));
    connect(cbOtherMethod, &QComboBox::activated, this, Guarded([this] { cbOtherMethodChange(); }));
    connect(rgJuristic, &TRadioGroup::Click, this, Guarded([this] { rgJuristicClick(); }));
    connect(spinDegLat, &QDoubleSpinBox::valueChanged, this,
            Guarded([this] { spinDegLatChange(); }));
    connect(spinDegLong, &QDoubleSpinBox::valueChanged, this,
            Guarded([this] { spinDegLongChange(); }));
    connect(spinHrsGmt, &QSpinBox::valueChanged, this, Guarded([this] { spinHrsGmtChange(); }));
    connect(spinMinutGmt, &QSpinBox::valueChanged, this, Guarded([this] { spinMinutGmtChange(); }));
    connect(spinElevation, &QSpinBox::valueChanged, this,
            Guarded([this] { spinElevationChange(); }));
    connect(CityList, &TCityList::ItemClicked, this,
            Guarded([this](int group, int item) { GroupItemClick(group, item); }));
    connect(edFindPlace, &TPlaceFinder::PlaceChosen, this,
            Guarded([this](const TPlace* place) { SelectPlace(*place); }));
    connect(CityList, &TCityList::GroupOpened, this,
            Guarded([this](int group) { GroupOpen(group); }));
    connect(CityList, &TCityList::GroupClosed, this,
            Guarded([this](int group) { GroupClose(group); }));
    Grid->SetDrawCellHandler(Guarded([this](QPainter& canvas, int col, int row, const QRect& rect) {
        GridDrawCell(canvas, col, row, rect);
    }));
    ColCities->SetDrawCellHandler(
        Guarded([this](QPainter& canvas, int col, int row, const QRect& rect) {
            ColCitiesDrawCell(canvas, col, row, rect);
        }));
}

void TForm1::FormCreate() {
    FUpdating = true;
    edCalendar->setToolTipDuration(HintTimeMs);
    cbSunsetBased->setToolTipDuration(HintTimeMs);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!FShown && !event->spontaneous()) {
        FShown = true;
        Guarded([this] { FormShow(); })();
    }
}

// Runs once, before the window is first painted: today's date, Mecca, one recompute. The
// field changes on the way do not recompute; FUpdating ends cleared also when a step fails.
void TForm1::FormShow() {
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    {
        const TUpdatingScope updating(FUpdating, false);
        edCalendar->SetValue(Today());
        const std::optional<TPlaceMemory> kept = ReadRememberedPlace();
        const TCityEntry& start = kept && kept->City != nullptr ? *kept->City : DefaultCity();
        const int group = static_cast<int>(start.Group);  // the list keeps the catalogue's order
        if (CityList->IsOpen(group)) {
            GroupOpen(group);
        } else {
            CityList->Open(group);
        }
        int item = 0;
        while (&CityList->Item(group, item) != &start) {
            ++item;
        }
        CityList->SetSelected(group, item);
        SelectCity(start.Tag);
        if (kept && kept->Town != nullptr) {
            SelectPlace(*kept->Town);
        }
        if (kept) {
            ApplyRememberedPlace(*kept);
        }
    }
    RefreshTimetable();
}

TimetableSettings TForm1::ReadSettings() const {
    TimetableSettings s;
    s.Date = edCalendar->Value();
    s.Latitude = spinDegLat->value();
    s.Longitude = spinDegLong->value();
    s.GmtHours = spinHrsGmt->value();
    s.GmtMinutes = spinMinutGmt->value();
    s.Elevation = spinElevation->value();
    s.CalcMethod = CalcMethodIndex();
    s.Juristic = rgJuristic->ItemIndex();
    s.AddSafetyTime = cbAddSafetyTime->isChecked();
    s.RoundMinutes = cbRoundMinutes->isChecked();
    s.TwelveHours = cb12hours->isChecked();
    s.RightToLeft = cbRightToLeft->isChecked();
    s.SunsetBased = cbSunsetBased->isChecked();
    s.AdjustMinutes = FAdjustMinutes;
    s.HijriAdjustDays = FHijriAdjustDays;
    s.HighLatRule = FHighLatRule;
    return s;
}

void TForm1::SetAdjustments(const std::array<int, 6>& minutes, int hijriDays) {
    SetAdjustments(minutes, hijriDays, FHighLatRule);
}

void TForm1::SetAdjustments(const std::array<int, 6>& minutes, int hijriDays,
                            HighLatitudeRule rule) {
    for (size_t p = 0; p < minutes.size(); ++p) {
        if (!AdjustMinutesRange.Contains(minutes[p])) {
            throw ERangeError(PrayerName(static_cast<int>(p)) + " adjustment of " +
                              std::to_string(minutes[p]) + " minutes outside " +
                              RangeText(AdjustMinutesRange));
        }
    }
    if (!HijriAdjustRange.Contains(hijriDays)) {
        throw ERangeError("Hijri date adjustment of " + std::to_string(hijriDays) +
                          " days outside " + RangeText(HijriAdjustRange));
    }
    FAdjustMinutes = minutes;
    FHijriAdjustDays = hijriDays;
    FHighLatRule = rule;
    RefreshTimetable();
}

void TForm1::RefreshTimetable() {
    if (FUpdating) {
        return;
    }
    const TUpdatingScope updating(FUpdating, false);
    const TWaitCursor wait;
    ++FRefreshCount;
    const TimetableSettings settings = ReadSettings();
    // A fatal signal during the computation reports the settings it was computing.
    SetFatalSignalDetails(FormatDetails(SystemDetails(this)));
    const TableClock clock = ChooseClock(settings);
    std::vector<RowTimes> times;
    const Timetable table = ComputeClockedWeek(FEngine, settings, clock, times);
    FClock = clock;
    StoreTimetable(table);
    RzPanel1->ShowWeek(settings);
    ShowClock(table, times);
    KeepPlace();
    ShowEphemerisNotice(this, RzLabel3, RzGroupBox3, FPlaceMemoryProblem);
    Grid->update();
    ColCities->update();
}

void TForm1::StoreTimetable(const Timetable& table) {
    FWeek = table;
    for (int col = 0; col < GridColumns; ++col) {
        // The core's " Fajr" ... " Isha" in the window's language; column c holds prayer
        // ColumnOf(c), the mirror of the columns being its own inverse.
        Grid->SetCell(col, 0, u' ' + PrayerCaption(table.ColumnOf(col)));
    }
    PlaceDateColumn(table.DateColumnOnRight);
    for (int row = 1; row <= 7; ++row) {
        const TimetableDay& day = table.Days[row - 1];
        ColCities->SetCell(0, row, CivilDateCaption(day));
        HijriDateTexts[row] = HijriDateCaption(day, tr("no Hijri date"));
        HijriDateValid[row] = day.HijriValid;
        for (int prayer = 0; prayer < GridColumns; ++prayer) {
            const int col = table.ColumnOf(prayer);
            TimeTexts.at(col)[row] = FromUtf8(day.TimeTexts[prayer]);
            Grid->SetCell(col, row, FromUtf8(day.GridTexts[prayer]));
        }
    }
    CurrentDayRow = table.CurrentDayRow;
}

// The date column at the right or left edge of the panel; the grid takes the rest.
void TForm1::PlaceDateColumn(bool onRight) {
    FDateColumnOnRight = onRight;
    const int inner = RzPanel1->width() - PanelBorder;              // 619
    const int height = RzPanel1->height() - PanelBorder;            // 296
    const int dateWidth = DateColWidth + TDrawGrid::GridLineWidth;  // 121
    if (onRight) {
        Grid->setGeometry(PanelBorder, PanelBorder, inner - dateWidth, height);
        ColCities->setGeometry(PanelBorder + inner - dateWidth, PanelBorder, dateWidth, height);
    } else {
        ColCities->setGeometry(PanelBorder, PanelBorder, dateWidth, height);
        Grid->setGeometry(PanelBorder + dateWidth, PanelBorder, inner - dateWidth, height);
    }
    constexpr int clockMargin = 3;  // pixels around the box in the header cell
    cbLocalClock->setGeometry(ColCities->x() + clockMargin, ColCities->y() + clockMargin,
                              DateColWidth - 2 * clockMargin, RowHeight / 2 - clockMargin);
}

TableClock TForm1::ChooseClock(const TimetableSettings& settings) {
    const TableClock fixed = SettingsClock(settings);
    const int32_t first = WeekRun(settings.Date).First;
    std::optional<TableClock> zone;
    FClockProblem.clear();
    try {
        zone = PlaceZone(settings, FCity, true, first);
    } catch (const EPlatformError& e) {
        FClockProblem = FromUtf8(e.what());
    }
    const bool matters = zone && ZoneMatters(*zone, fixed.OffsetAt(0), first);
    FClockShown = matters || !FClockProblem.isEmpty();
    cbLocalClock->setVisible(FClockShown);
    cbLocalClock->setEnabled(FClockProblem.isEmpty());
    const QString name =
        zone ? FromUtf8(EscapeControls(zone->Name()))
             : (FCity != nullptr ? FromUtf8(std::string(FCity->IanaZone)) : QStringLiteral("zone"));
    // A POSIX rule of TZ ("GMT0BST,M3.5.0/1,M10.5.0") is named by its abbreviations
    // ("GMT/BST"), which fit the box where the rule would be cut; the tool tip keeps the rule.
    const std::string abbreviations = zone ? PosixRuleAbbreviations(zone->Name()) : std::string();
    const QString caption = abbreviations.empty() ? name : FromUtf8(abbreviations);
    const int textWidth =
        cbLocalClock->width() -
        cbLocalClock->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, cbLocalClock) -
        2 * CaptionGap;
    cbLocalClock->setText(
        QFontMetrics(cbLocalClock->font()).elidedText(caption, Qt::ElideMiddle, textWidth));
    cbLocalClock->setToolTip(FClockProblem.isEmpty()
                                 ? tr("%1: times on this zone's clock, daylight saving included; "
                                      "unchecked, on the fixed GMT offset")
                                       .arg(name)
                                 : FClockProblem);
    FClockInUse = matters && cbLocalClock->isChecked();
    return FClockInUse ? *zone : fixed;
}

void TForm1::ShowClock(const Timetable& table, const std::vector<RowTimes>& times) {
    if (!FClockShown) {
        ClockText.clear();
    } else if (!FClockProblem.isEmpty()) {
        ClockText = tr("unreadable: fixed GMT");
    } else if (!FClockInUse) {
        //: The clock line while the place's clock is unchecked: %1 the offset, "GMT+3".
        ClockText = tr("fixed %1")
                        .arg(ClockOffsetText(times.at(0).Offset)
                                 .replace(QStringLiteral("UTC"), QStringLiteral("GMT")));
    } else {
        ClockText = ClockOffsetText(times.at(0).Offset);
        for (size_t r = 1; r < times.size(); ++r) {
            if (times[r].Offset != times[0].Offset) {
                ClockText += QStringLiteral(", ") + DayName(table.Days.at(r)) +
                             QStringLiteral(": ") + ClockOffsetText(times[r].Offset);
                break;
            }
        }
    }
}

void TForm1::WriteCityFields(const TCityEntry& city) {
    FCity = &city;
    TimetableSettings s = ReadSettings();
    ApplyCity(s, city);
    WritePlaceFields(s);
}

void TForm1::SelectCity(int tag) {
    {
        const TUpdatingScope updating(FUpdating, false);
        if (const TCityEntry* city = FindCityByTag(tag)) {
            WriteCityFields(*city);
        }
    }
    RefreshTimetable();
}

void TForm1::WritePlaceFields(const TimetableSettings& s) {
    // The pair is written whole: neither field may clip it to the other's old value.
    spinDegLat->setRange(LatitudeRange.Min, LatitudeRange.Max);
    spinElevation->setMaximum(ElevationRange.Max);
    spinDegLat->setValue(s.Latitude);
    spinDegLong->setValue(s.Longitude);
    spinHrsGmt->setValue(s.GmtHours);
    spinMinutGmt->setValue(s.GmtMinutes);
    spinElevation->setValue(s.Elevation);
    ShowCalcMethod(s.CalcMethod);
    rgJuristic->SetItemIndex(s.Juristic);
    FitLatitudeToElevation();
}

void TForm1::FitLatitudeToElevation() {
    const double latitude = spinDegLat->value();
    const int elevation = spinElevation->value();
    // Never narrower than the value held, so that nothing is clipped.
    const double limit = std::max(LatitudeRangeAt(elevation).Max, std::fabs(latitude));
    const int highest = std::max(HighestElevationAt(latitude), elevation);
    spinDegLat->setRange(-limit, limit);
    spinElevation->setMaximum(highest);
    spinDegLat->setToolTip(tr("Latitude %1 to %2 degrees at this elevation: beyond it the sun "
                              "does not rise or set on some days of the year")
                               .arg(-limit)
                               .arg(limit));
    spinElevation->setToolTip(highest < ElevationRange.Max
                                  ? tr("Elevation up to %1 m at this latitude: higher up the "
                                       "sun does not rise or set on some days of the year")
                                        .arg(highest)
                                  : QString());
}

void TForm1::SelectPlace(const TPlace& place) {
    {
        const TUpdatingScope updating(FUpdating, false);
        FPlaceEntry = PlaceEntry(place, FixedFromDateTime(std::floor(edCalendar->Value())));
        FPlace = &place;
        // No city of the list is chosen now: its open group closes, clearing the mark.
        if (const int open = CityList->OpenGroup(); open >= 0) {
            CityList->Close(open);
        }
        WriteCityFields(FPlaceEntry);
    }
    RefreshTimetable();
}

void TForm1::edCalendarChange() {
    RefreshTimetable();
}
void TForm1::cbRightToLeftClick() {
    RefreshTimetable();
}
void TForm1::cbRoundMinutesClick() {
    RefreshTimetable();
}
void TForm1::cb12hoursClick() {
    RefreshTimetable();
}
void TForm1::cbAddSafetyTimeClick() {
    RefreshTimetable();
}
// The list shows a method only while "Other:" is checked, so that it never seems to name the
// method of a checked button; checking "Other:" takes the list's first method until another is
// chosen.
void TForm1::rgCalcMethodClick() {
    if (rgCalcMethod->ItemIndex() != OtherMethodItem) {
        cbOtherMethod->setCurrentIndex(-1);
    } else if (cbOtherMethod->currentIndex() < 0) {
        cbOtherMethod->setCurrentIndex(0);
    }
    RefreshTimetable();
}
// A method chosen in the list of further methods is the method: "Other:" is checked with it.
void TForm1::cbOtherMethodChange() {
    if (rgCalcMethod->ItemIndex() != OtherMethodItem) {
        rgCalcMethod->SetItemIndex(OtherMethodItem);  // recomputes
    } else {
        RefreshTimetable();
    }
}

int TForm1::CalcMethodIndex() const {
    const int item = rgCalcMethod->ItemIndex();
    return item == OtherMethodItem ? cbOtherMethod->currentData().toInt() : item;
}

void TForm1::ShowCalcMethod(int method) {
    if (method >= ButtonMethods) {
        cbOtherMethod->setCurrentIndex(cbOtherMethod->findData(method));
        rgCalcMethod->SetItemIndex(OtherMethodItem);
    } else {
        cbOtherMethod->setCurrentIndex(-1);
        rgCalcMethod->SetItemIndex(method);
    }
}
void TForm1::rgJuristicClick() {
    RefreshTimetable();
}
void TForm1::spinDegLatChange() {
    FitLatitudeToElevation();
    RefreshTimetable();
}
void TForm1::spinDegLongChange() {
    RefreshTimetable();
}
void TForm1::spinHrsGmtChange() {
    RefreshTimetable();
}
void TForm1::spinMinutGmtChange() {
    RefreshTimetable();
}
void TForm1::spinElevationChange() {
    FitLatitudeToElevation();
    RefreshTimetable();
}
void TForm1::cbLocalClockClick() {
    RefreshTimetable();
}

// Sunset-based times are always shown on a 12-hour clock: while the option is on, "12-hour
// times" is checked and cannot be changed.
void TForm1::cbSunsetBasedClick() {
    {
        const TUpdatingScope updating(FUpdating, FUpdating);
        TimetableSettings s = ReadSettings();
        const bool forced = ApplySunsetBasedClock(s);
        cb12hours->setChecked(s.TwelveHours);
        cb12hours->setEnabled(!forced);
    }
    RefreshTimetable();
}

void TForm1::GroupItemClick(int group, int item) {
    CityList->SetSelected(group, item);
    SelectCity(CityList->Item(group, item).Tag);
}

// Opening a group switches to its first city. "Sunset based" belongs to the Saudi cities only.
void TForm1::GroupOpen(int group) {
    CityList->SetCaptionColor(group, FormHighlight);
    if (CityList->GroupInfo(group).Group == CityGroup::SaudiArabia) {
        cbSunsetBased->setEnabled(true);
    } else {
        cbSunsetBased->setEnabled(false);
        cbSunsetBased->setChecked(false);
    }
    if (CityList->ItemCount(group) > 0) {
        CityList->SetSelected(group, 0);
        SelectCity(CityList->Item(group, 0).Tag);
    }
}

// Closing keeps the fields and the table as they are.
void TForm1::GroupClose(int group) {
    CityList->SetCaptionColor(group, FormGrayText);
    for (int item = 0; item < CityList->ItemCount(group); ++item) {
        CityList->ClearSelected(group, item);
    }
}

// One prayer cell: the header, or the time twice, as digit images and below in Latin digits.
// Both lines end 20 pixels before the column's right edge. The cells take the form's own text
// and background colours together, which no desktop palette or style sheet changes.
void TForm1::GridDrawCell(QPainter& canvas, int ACol, int ARow, const QRect& Rect) {
    const int W = Grid->DefaultColWidth();
    canvas.fillRect(Rect, FormBackground);
    if (ARow == 0) {
        canvas.setFont(FHeaderFont);
        canvas.setPen(FormText);
        const QString text = Grid->Cell(ACol, ARow);
        const int x = (W - canvas.fontMetrics().horizontalAdvance(text)) / 2;
        TextOut(canvas, Rect, Rect.left() + x, Rect.top() + 12, text);
        return;
    }
    const bool current = ARow == CurrentDayRow;
    const TImageList& images = current ? imgArabicNumbers_RED : imgArabicNumbers;
    canvas.setFont(FDigitRowFont);
    canvas.setPen(current ? CurrentDayRed : FormText);

    // Upper line: one 10-pixel image per character, read left to right, placed from the right.
    const QString digits = Grid->Cell(ACol, ARow);
    int x = W - ImageRunRightMargin;
    for (qsizetype k = digits.size() - 1; k >= 0; --k) {
        x -= TImageList::Width;
        images.Draw(canvas, Rect.left() + x, Rect.top() + 2, TImageList::IndexOf(digits[k]));
    }

    // Lower line: the Latin time, right-aligned with the images.
    const QRect lower = Rect.adjusted(0, 17, 0, 0);
    canvas.setFont(FTimeFont);
    const QString& latin =
        ARow < TimeTextRows && ACol >= 0 && ACol < GridColumns ? TimeTexts[ACol][ARow] : QString();
    x = W - canvas.fontMetrics().horizontalAdvance(latin) - ImageRunRightMargin;
    TextOut(canvas, lower, Rect.left() + x, Rect.top() + 17, latin);
}

// One date cell: the civil date, and below it the Hijri date in grey with the footnote mark, or
// in its place a note that the day has no Hijri date.
// Right-aligned next to the times when the column is on the left, at 5 pixels when on the right.
void TForm1::ColCitiesDrawCell(QPainter& canvas, int, int ARow, const QRect& Rect) {
    canvas.fillRect(Rect, FormBackground);
    if (ARow == 0) {
        // Under the clock's check box: the offset the table is read on.
        canvas.setFont(FDateFont);
        canvas.setPen(FormText);
        const int room = Rect.width() - 2 * DateMarginLeft;
        TextOut(canvas, Rect, Rect.left() + DateMarginLeft, Rect.top() + RowHeight / 2,
                canvas.fontMetrics().elidedText(ClockText, Qt::ElideRight, room));
        return;
    }
    if (ARow > 7) {
        return;
    }
    const int C = ColCities->DefaultColWidth();
    canvas.setFont(FDateFont);
    const QFontMetrics metrics = canvas.fontMetrics();
    canvas.setPen(ARow == CurrentDayRow ? CurrentDayRed : FormText);
    const QString civil = ColCities->Cell(0, ARow);
    int x = FDateColumnOnRight ? DateMarginLeft
                               : C - metrics.horizontalAdvance(civil) - DateMarginRight;
    TextOut(canvas, Rect, Rect.left() + x, Rect.top() + 4, civil);

    canvas.setPen(FormGrayText);
    const QString& hijri = HijriDateTexts[ARow];
    // Measured without the asterisk, which overhangs into the margin.
    x = FDateColumnOnRight ? DateMarginLeft
                           : C - metrics.horizontalAdvance(hijri) - DateMarginRight;
    TextOut(canvas, Rect.adjusted(0, 16, 0, 0), Rect.left() + x, Rect.top() + 16 + 4,
            HijriDateValid[ARow] ? hijri + u'*' : hijri);
}

}  // namespace orvandel
