#include "ui/TimetableMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

#include "places/Gazetteer.h"
#include "platform/TimeZone.h"
#include "timetable/CityCatalogue.h"
#include "timetable/Prayers.h"
#include "timetable/SettingsRules.h"
#include "timetable/TableClock.h"
#include "timetable/TableFormats.h"
#include "timetable/TableText.h"
#include "timetable/TableWriters.h"
#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/DateField.h"
#include "ui/DrawGrid.h"
#include "ui/FileReplacement.h"
#include "ui/Translations.h"
#include "ui/mainPrayerUI.h"

namespace orvandel {
namespace {

constexpr double MonthDateColumn = 0.20;   // of the page's width
constexpr double MonthHijriColumn = 0.23;  // of the page's width; the six times share the rest
constexpr int BodyPointSize = 9;
constexpr int TitlePointSize = 14;
const QColor MonthShadeColor(0xEE, 0xEE, 0xEE);  // every other row of the printed month
constexpr double PrintMarginMm = 10.0;           // paper kept clear on every side

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString HijriText(const TimetableDay& day) {
    return HijriDateCaption(day, TTimetableMenu::tr("no Hijri date"));
}

// "April 2024", in the window's language.
QString MonthYearCaption(TDateTime date) {
    if (!UiTranslated()) {
        return FromUtf8(MonthYearText(date));
    }
    const TCivilDate civil = DecodeDate(date);
    return UiLocale().toString(QDate(civil.Year, civil.Month, 1), QStringLiteral("MMMM yyyy"));
}

QFont PrintFont(const QFont& base, int pointSize, bool bold = false) {
    QFont font = base;
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

// Where a print draws, in the painter's pixels: inside the printer's own margins and at least
// PrintMarginMm from every edge of the sheet, which printers do not cut off.
QRect PrintArea(const QPrinter& printer) {
    const int dpi = printer.resolution();
    const QRect sheet = printer.pageLayout().fullRectPixels(dpi);
    // The painter's origin is the paint rectangle's corner, or the sheet's on a full page.
    const QRect drawable = printer.fullPage() ? sheet : printer.pageLayout().paintRectPixels(dpi);
    const int margin = static_cast<int>(std::ceil(PrintMarginMm / 25.4 * dpi));  // 25.4 mm an inch
    return sheet.adjusted(margin, margin, -margin, -margin)
        .intersected(drawable)
        .translated(-drawable.topLeft());
}

// The timetable panel as the window shows it, in the panel's pixels: its background and its
// left and top edge (as without the focus), both grids through their draw handlers, and the
// clock's box where it is shown. Texts stay texts and lines stay lines on any painter.
void DrawPanel(QPainter& painter, const TForm1& form) {
    const QSize panel = form.RzPanel1->size();
    painter.fillRect(QRect(QPoint(), panel), DateColumnBackground);
    painter.fillRect(QRect(0, 0, TForm1::PanelBorder, panel.height()), PanelBorderColor);
    painter.fillRect(QRect(0, 0, panel.width(), TForm1::PanelBorder), PanelBorderColor);
    for (const TDrawGrid* grid : {form.ColCities, form.Grid}) {
        painter.save();
        painter.translate(grid->pos());
        painter.setClipRect(grid->rect(), Qt::IntersectClip);
        grid->Paint(painter, grid->rect());
        painter.restore();
    }
    const QCheckBox* clock = form.cbLocalClock;
    if (!clock->isHidden()) {
        QStyleOptionButton option;
        option.initFrom(clock);
        option.rect = QRect(QPoint(), clock->size());
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        option.state |= clock->isChecked() ? QStyle::State_On : QStyle::State_Off;
        option.text = clock->text();
        painter.save();
        painter.translate(clock->pos());
        painter.setFont(clock->font());
        clock->style()->drawControl(QStyle::CE_CheckBox, &option, &painter, clock);
        painter.restore();
    }
}

// Whether the PDF file at `path` ends as a whole one does: "startxref", the offset of its
// cross-reference table and "%%EOF", with the table at that offset. A file cut short, or one
// that lost bytes on the way, fails one of these.
bool IsCompletePdf(const QString& path) {
    constexpr qint64 tailBytes = 64;  // the trailer's last lines
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const qint64 size = file.size();
    if (!file.seek(std::max<qint64>(0, size - tailBytes))) {
        return false;
    }
    static const QRegularExpression end(QStringLiteral("startxref\\s+(\\d{1,15})\\s+%%EOF\\s*\\z"));
    const QRegularExpressionMatch match = end.match(QString::fromLatin1(file.read(tailBytes)));
    const qint64 table = match.captured(1).toLongLong();
    return match.hasMatch() && table < size && file.seek(table) && file.read(4) == "xref";
}

// A spin box that shows a sign on positive values too ("+2 min"): an adjustment reads as
// what it adds.
class TSignedSpinBox : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    QString textFromValue(int value) const override {
        const QString text = QSpinBox::textFromValue(value);
        return value > 0 ? locale().positiveSign() + text : text;
    }
};

}  // namespace

TAdjustmentsDialog::TAdjustmentsDialog(const std::array<int, 6>& minutes, int hijriDays,
                                       HighLatitudeRule rule, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Adjustments"));
    auto* form = new QFormLayout;
    const auto add = [this, form](const QString& label, const QString& name, TFieldRange<int> range,
                                  const QString& suffix, int value) {
        auto* spin = new TSignedSpinBox(this);
        spin->setRange(range.Min, range.Max);
        spin->setSuffix(suffix);
        spin->setValue(value);
        // The label names the field, the accessible name its unit too.
        spin->setAccessibleName(name);
        form->addRow(label, spin);
        return spin;
    };
    for (const TPrayerInfo& prayer : Prayers) {
        const QString name = CoreCaption(prayer.Name);
        Minutes[prayer.Index] = add(name, tr("%1 minutes").arg(name), AdjustMinutesRange,
                                    tr(" min"), minutes[prayer.Index]);
    }
    HijriDays =
        add(tr("Hijri date"), tr("Hijri date days"), HijriAdjustRange, tr(" days"), hijriDays);
    HighLatitude = new QComboBox(this);
    for (const THighLatitudeRule& row : HighLatitudeRules) {
        QString caption = CoreCaption(row.Caption);
        caption[0] = caption[0].toUpper();
        HighLatitude->addItem(caption, static_cast<int>(row.Rule));
    }
    HighLatitude->setCurrentIndex(HighLatitude->findData(static_cast<int>(rule)));
    form->addRow(tr("High latitudes"), HighLatitude);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

HighLatitudeRule TAdjustmentsDialog::RuleChosen() const {
    return static_cast<HighLatitudeRule>(HighLatitude->currentData().toInt());
}

std::array<int, 6> TAdjustmentsDialog::MinutesChosen() const {
    std::array<int, 6> chosen{};
    for (size_t p = 0; p < chosen.size(); ++p) {
        chosen[p] = Minutes[p]->value();
    }
    return chosen;
}

TSaveTimetableDialog::TSaveTimetableDialog(const QString& monthName, const QString& shownDate,
                                           bool clockTimes, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Save timetable"));
    Week = new QRadioButton(tr("The week shown"), this);
    Month = new QRadioButton(tr("The month, %1").arg(monthName), this);
    Days = new QRadioButton(tr("Days from %1:").arg(shownDate), this);
    DayCount = new QSpinBox(this);
    DayCount->setRange(RunDaysRange.Min, RunDaysRange.Max);
    DayCount->setValue(30);
    DayCount->setEnabled(false);
    connect(Days, &QRadioButton::toggled, DayCount, &QWidget::setEnabled);
    Week->setChecked(true);
    Format = new QComboBox(this);
    for (const TOutputFormat& format : OutputFormats) {
        if (format.Caption.empty()) {
            continue;
        }
        Format->addItem(CoreCaption(format.Caption), static_cast<int>(format.Format));
        if (!clockTimes && !format.SunsetCounts) {
            // Sunset-based counts are no clock times: a calendar cannot place them.
            Format->setItemData(Format->count() - 1, false, Qt::UserRole - 1);
        }
    }
    auto* days = new QHBoxLayout;
    days->addWidget(Days);
    days->addWidget(DayCount);
    days->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(tr("Format"), Format);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Week);
    layout->addWidget(Month);
    layout->addLayout(days);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

TTimetableMenu::TTimetableMenu(TForm1& form)
    : QObject(&form), FForm(form), FMenu(new QMenu(&form)) {
    const auto add = [this](const QString& text, const QKeySequence& keys, auto handler) {
        auto* action = new QAction(text, &FForm);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, Guarded(handler));
        FForm.addAction(action);
        FMenu->addAction(action);
        return action;
    };
    PreviousWeekAction = add(tr("Previous week"), QKeySequence::Back, [this] { MoveWeeks(-1); });
    NextWeekAction = add(tr("Next week"), QKeySequence::Forward, [this] { MoveWeeks(1); });
    ThisWeekAction =
        add(tr("This week"), QKeySequence(Qt::ALT | Qt::Key_Home), [this] { ShowThisWeek(); });
    FMenu->addSeparator();
    CopyAction = add(tr("Copy"), QKeySequence::Copy, [this] { CopyWeek(); });
    SaveAction = add(tr("Save as…"), QKeySequence::SaveAs, [this] { SaveAs(); });
    FMenu->addSeparator();
    PrintAction = add(tr("Print…"), QKeySequence::Print, [this] { PrintWeek(); });
    PrintMonthAction = add(tr("Print month…"), QKeySequence(), [this] { PrintMonth(); });
    FMenu->addSeparator();
    AdjustAction = add(tr("Adjustments…"), QKeySequence(), [this] { Adjust(); });
    FMenu->addSeparator();
    RememberPlaceAction = add(tr("Open on this place next time"), QKeySequence(),
                              [this] { FForm.SetRememberPlace(RememberPlaceAction->isChecked()); });
    RememberPlaceAction->setCheckable(true);

    // The grids take no input; a right click or the Menu key reaches their panel.
    QFrame* panel = FForm.RzPanel1;
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QWidget::customContextMenuRequested, this,
            [this, panel](const QPoint& at) { FMenu->popup(panel->mapToGlobal(at)); });
    // Where the platform turns the Menu key into a context menu event, the open menu takes
    // the key before this shortcut sees it.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, panel);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] { Popup(); });
    }
}

// From the keyboard: at the shown date's row.
void TTimetableMenu::Popup() {
    if (FMenu->isVisible()) {
        return;
    }
    const TDrawGrid* grid = FForm.Grid;
    const QRect row = grid->CellRect(0, std::max(FForm.CurrentDayRow, 1));
    FMenu->popup(grid->mapToGlobal(QPoint(grid->width() / 2, row.center().y())));
}

void TTimetableMenu::MoveWeeks(int weeks) {
    if (const std::optional<TDateTime> date = IncDays(FForm.edCalendar->Value(), 7 * weeks)) {
        FForm.edCalendar->SetValue(*date);
    }
}

void TTimetableMenu::ShowThisWeek() {
    FForm.edCalendar->SetValue(FForm.Today());
}

TableOutputOptions TTimetableMenu::OutputOptions() const {
    TableOutputOptions options;
    options.Settings = FForm.ReadSettings();
    const TPlaceName place = PlaceNameOf(options.Settings, FForm.City());
    options.PlaceName = place.Text;
    options.PlaceIsCity = place.IsCity;
    options.TimeZone = ClockName();
    return options;
}

std::string TTimetableMenu::PlaceName() const {
    return OutputOptions().PlaceName;
}

std::string TTimetableMenu::PlaceLine() const {
    const TableOutputOptions options = OutputOptions();
    return orvandel::PlaceLine(options.Settings,
                               options.PlaceIsCity ? options.PlaceName : std::string(),
                               options.TimeZone);
}

QString TTimetableMenu::PlaceCaption() const {
    if (!UiTranslated()) {
        return FromUtf8(PlaceLine());
    }
    const TableOutputOptions options = OutputOptions();
    const TimetableSettings& s = options.Settings;
    const QString gap = QStringLiteral("  ");
    // A catalogue city's caption as the translation gives it, a town found by name as
    // libgeonames' translations give its name and region.
    QString line;
    if (const TPlace* found = options.PlaceIsCity ? FForm.FoundPlace() : nullptr) {
        line = FromUtf8(TGazetteer::Installed().Caption(*found, UiLanguage().toStdString())) + gap;
    } else if (options.PlaceIsCity) {
        line = CoreCaption(options.PlaceName) + gap;
    }
    line += FromUtf8(CoordinatesName(s.Latitude, s.Longitude)) + gap;
    line += options.TimeZone.empty() ? FromUtf8(ZoneText(s.GmtHours, s.GmtMinutes))
                                     : tr("zone %1").arg(FromUtf8(options.TimeZone));
    return line + gap + tr("elevation %1 m").arg(s.Elevation);
}

QString TTimetableMenu::OptionsCaption() const {
    if (!UiTranslated()) {
        return FromUtf8(OptionsLine());
    }
    const TimetableSettings s = FForm.ReadSettings();
    QStringList parts{CoreCaption(MethodName(s.CalcMethod)),
                      tr("Asr %1").arg(CoreCaption(JuristicOf(s.Juristic).Caption)),
                      s.AddSafetyTime ? tr("safety time added") : tr("no safety time"),
                      s.RoundMinutes ? tr("nearest minute") : tr("minutes truncated"),
                      s.TwelveHours ? tr("12-hour clock") : tr("24-hour clock")};
    if (s.SunsetBased) {
        parts << tr("sunset based");
    }
    if (s.HighLatRule != HighLatitudeRule::Rule48) {
        parts << CoreCaption(HighLatitudeRules[static_cast<size_t>(s.HighLatRule)].Caption);
    }
    const auto signedNumber = [](int value) {
        return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value);
    };
    for (const TPrayerInfo& prayer : Prayers) {
        if (const int minutes = s.AdjustMinutes[prayer.Index]; minutes != 0) {
            parts << tr("%1 %2 min").arg(CoreCaption(prayer.Name), signedNumber(minutes));
        }
    }
    if (s.HijriAdjustDays != 0) {
        parts << tr("Hijri date %1 days", nullptr, std::abs(s.HijriAdjustDays))
                     .arg(signedNumber(s.HijriAdjustDays));
    }
    //: Between the parts of the options line.
    return parts.join(tr(", "));
}

std::string TTimetableMenu::ClockName() const {
    return FForm.Clock().IsZone() ? EscapeControls(FForm.Clock().Name()) : std::string();
}

std::string TTimetableMenu::OptionsLine() const {
    return orvandel::OptionsLine(FForm.ReadSettings(), false);
}

QString TTimetableMenu::WeekText() const {
    const TimetableSettings settings = FForm.ReadSettings();
    QString text = PlaceCaption() + u'\n' + OptionsCaption() + u'\n';
    text += tr("Date") + u'\t' + tr("Hijri");
    for (int p = 0; p < 6; ++p) {
        text += u'\t' + PrayerCaption(p);
    }
    text += u'\n';
    for (const TimetableDay& day : FForm.Week().Days) {
        text += CivilDateCaption(day) + u'\t' + HijriText(day);
        for (int p = 0; p < 6; ++p) {
            text += u'\t' + DataTimeCaption(settings, day, p);
        }
        text += u'\n';
    }
    return text;
}

void TTimetableMenu::CopyWeek() {
    QGuiApplication::clipboard()->setText(WeekText());
}

int32_t TTimetableMenu::WeekStart() const {
    return FForm.Week().Days.front().Fixed;
}

int32_t TTimetableMenu::MonthStart() const {
    return MonthRun(FForm.edCalendar->Value()).First;
}

int TTimetableMenu::MonthLength() const {
    return MonthRun(FForm.edCalendar->Value()).Count;
}

std::vector<TimetableDay> TTimetableMenu::MonthRows() const {
    TimetableEngine engine;
    std::vector<RowTimes> times;
    const TDayRun month = MonthRun(FForm.edCalendar->Value());
    return ComputeClockedDays(engine, FForm.ReadSettings(), FForm.Clock(), month.First, month.Count,
                              false, times);
}

QString TTimetableMenu::SaveTo(const QString& path, int32_t first, int count,
                               OutputFormat format) const {
    if (!TDayRun{first, count}.Fits()) {
        return CivilFixedRange.Contains(first)
                   ? tr("the %n days from %1 pass %2", nullptr, count)
                         .arg(FromUtf8(IsoDateText(first)),
                              FromUtf8(IsoDateText(CivilFixedRange.Max)))
                   : tr("the days asked for lie outside the years 1 to 9999");
    }
    TableOutputOptions options = OutputOptions();
    options.StampUtc = SystemClockNow().Seconds;
    std::string text;
    try {
        text = RenderRun(format, options, FForm.Clock(), {first, count});
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    // Written whole or not at all: the file appears only when every byte reached the disk.
    // (QSaveFile of Qt 6.4 puts a file in place whose buffered bytes it failed to write.)
    TFileReplacement file(path);
    return file.Write(text) && file.Commit() ? QString() : file.Error();
}

void TTimetableMenu::SaveAs() {
    const TimetableSettings settings = FForm.ReadSettings();
    const TimetableDay& shownDay =
        FForm.Week().Days[static_cast<size_t>(std::clamp(FForm.CurrentDayRow, 1, 7) - 1)];
    TSaveTimetableDialog ask(MonthYearCaption(settings.Date), CivilDateCaption(shownDay),
                             !settings.SunsetBased, &FForm);
    if (ask.exec() != QDialog::Accepted) {
        return;
    }
    int32_t first = WeekStart();
    int count = 7;
    if (ask.Month->isChecked()) {
        first = MonthStart();
        count = MonthLength();
    } else if (ask.Days->isChecked()) {
        first = FixedFromDateTime(settings.Date);
        count = ask.DayCount->value();
    }
    const auto format = static_cast<OutputFormat>(ask.Format->currentData().toInt());
    const TOutputFormat& row = FormatRow(format);
    QString place = FromUtf8(PlaceName()).toLower();
    place.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    const QString suggested =
        QStringLiteral("prayer-times-%1-%2.%3")
            .arg(place, FromUtf8(IsoDateText(first)), FromUtf8(row.Extension));
    const QString path = QFileDialog::getSaveFileName(&FForm, tr("Save timetable"), suggested,
                                                      CoreCaption(row.FileFilter));
    if (path.isEmpty()) {
        return;
    }
    if (const QString error = SaveTo(path, first, count, format); !error.isEmpty()) {
        QMessageBox::warning(&FForm, tr("Save timetable"),
                             tr("The timetable could not be saved to %1: %2")
                                 .arg(QDir::toNativeSeparators(path), error));
    }
}

int TTimetableMenu::DrawHeader(QPainter& painter, const QRect& page, const QString& title) const {
    const QFont base = FForm.font();
    painter.setPen(Qt::black);
    painter.setFont(PrintFont(base, TitlePointSize, true));
    int y = 0;
    // The title's own height where its script reaches below the font's line (Arabic): the
    // drawing is clipped to the rectangle it is given.
    QRect titleRect;
    painter.drawText(page, Qt::AlignLeft | Qt::AlignTop, title, &titleRect);
    y += std::max(titleRect.height(), painter.fontMetrics().height()) +
         painter.fontMetrics().height() / 3;
    painter.setFont(PrintFont(base, BodyPointSize));
    const int line = painter.fontMetrics().height();
    // An options line that names many adjustments is wider than the page: it wraps.
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    for (const QString& text : {PlaceCaption(), OptionsCaption()}) {
        const QRect room(page.left(), page.top() + y, page.width(), page.height() - y);
        QRect drawn;
        painter.drawText(room, flags, text, &drawn);
        y += std::max(line, drawn.height());
    }
    return y + line;
}

QString TTimetableMenu::PrintWeekTo(QPrinter& printer) const {
    // The panel's fonts are sized in points and its layout in the window's pixels: on a
    // printer of the window's resolution both keep their proportions when scaled to the page.
    // The print stays vector text and lines; the resolution only sets its unit of length.
    printer.setResolution(FForm.logicalDpiY());
    return PrintThrough(printer, [&](QPainter& painter) { DrawWeek(painter, printer); });
}

void TTimetableMenu::DrawWeek(QPainter& painter, const QPrinter& printer) const {
    // The digit images as they are, not as JPEG: their edges stay sharp and the file small.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QRect page = PrintArea(printer);
    const TimetableDay& first = FForm.Week().Days.front();
    const TimetableDay& last = FForm.Week().Days.back();
    const int top = DrawHeader(
        painter, page,
        tr("Prayer times, %1 to %2").arg(CivilDateCaption(first), CivilDateCaption(last)));
    // The panel as the window draws it, as wide as the page.
    const QWidget* panel = FForm.RzPanel1;
    const double scale = static_cast<double>(page.width()) / panel->width();
    painter.save();
    painter.translate(page.left(), page.top() + top);
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(), panel->size()));
    DrawPanel(painter, FForm);
    painter.restore();
    painter.setFont(PrintFont(FForm.font(), BodyPointSize - 1));
    const int below = page.top() + top + static_cast<int>(std::ceil(panel->height() * scale));
    painter.drawText(QRect(page.left(), below + painter.fontMetrics().height() / 2, page.width(),
                           painter.fontMetrics().height() * 2),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, FForm.RzLabel3->text());
}

QString TTimetableMenu::PrintMonthTo(QPrinter& printer) const {
    const std::vector<TimetableDay> rows = MonthRows();
    return PrintThrough(printer, [&](QPainter& painter) { DrawMonth(painter, printer, rows); });
}

void TTimetableMenu::DrawMonth(QPainter& painter, const QPrinter& printer,
                               const std::vector<TimetableDay>& rows) const {
    const TimetableSettings settings = FForm.ReadSettings();
    const QRect page = PrintArea(printer);
    const QString title = tr("Prayer times, %1").arg(MonthYearCaption(settings.Date));
    const int top = DrawHeader(painter, page, title);

    // A header row and one row a day; rows at most one and a half lines high.
    const QFont body = PrintFont(FForm.font(), BodyPointSize);
    const QFont bold = PrintFont(FForm.font(), BodyPointSize, true);
    painter.setFont(body);
    const int line = painter.fontMetrics().height();
    const int footnote = 2 * line;
    const int rowHeight = std::min(
        line * 3 / 2, (page.height() - top - footnote) / static_cast<int>(rows.size() + 1));
    const int dateWidth = static_cast<int>(page.width() * MonthDateColumn);
    const int hijriWidth = static_cast<int>(page.width() * MonthHijriColumn);
    const int timeWidth = (page.width() - dateWidth - hijriWidth) / 6;
    const auto cell = [&](int column, int row) {
        const int x = column == 0   ? 0
                      : column == 1 ? dateWidth
                                    : dateWidth + hijriWidth + (column - 2) * timeWidth;
        const int width = column == 0 ? dateWidth : column == 1 ? hijriWidth : timeWidth;
        return QRect(page.left() + x, page.top() + top + row * rowHeight, width, rowHeight);
    };
    const auto put = [&](int column, int row, const QString& text) {
        const int pad = line / 4;
        painter.drawText(cell(column, row).adjusted(pad, 0, -pad, 0),
                         (column < 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, text);
    };

    painter.setFont(bold);
    put(0, 0, tr("Date"));
    put(1, 0, tr("Hijri"));
    for (int p = 0; p < 6; ++p) {
        put(2 + p, 0, PrayerCaption(p));
    }
    painter.setFont(body);
    for (size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        if (row % 2 == 0) {
            painter.fillRect(QRect(cell(0, row).topLeft(), cell(7, row).bottomRight()),
                             MonthShadeColor);
        }
        put(0, row, CivilDateCaption(rows[r]));
        put(1, row, HijriText(rows[r]));
        for (int p = 0; p < 6; ++p) {
            put(2 + p, row, DataTimeCaption(settings, rows[r], p));
        }
    }
    const int bottom = cell(0, static_cast<int>(rows.size()) + 1).top();
    painter.drawLine(page.left(), cell(0, 1).top(), page.right(), cell(0, 1).top());
    painter.drawLine(page.left(), bottom, page.right(), bottom);
    painter.setFont(PrintFont(FForm.font(), BodyPointSize - 1));
    painter.drawText(QRect(page.left(), bottom + line / 2, page.width(), footnote),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, FForm.RzLabel3->text());
}

QString TTimetableMenu::PrintThrough(QPrinter& printer,
                                     const std::function<void(QPainter&)>& draw) const {
    const QString target = printer.outputFileName();
    std::optional<TFileReplacement> file;
    if (!target.isEmpty()) {
        file.emplace(target);
        if (!file->Error().isEmpty()) {
            return file->Error();
        }
        printer.setOutputFileName(file->Path());
    }
    const auto named = qScopeGuard([&] {
        if (file) {
            printer.setOutputFileName(target);
        }
    });
    QPainter painter;
    if (!painter.begin(&printer)) {
        return tr("printing could not start");
    }
    draw(painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return tr("the printer reported an error");
    }
    if (!file) {
        return {};
    }
    // The print engine does not say whether its writes reached the file (it writes PDF to
    // every file): the file itself shows whether it is whole.
    if (!IsCompletePdf(file->Path())) {
        file->FailCutShort();
    }
    return file->Commit() ? QString() : file->Error();
}

void TTimetableMenu::PrintWithDialog(const QString& title, QPrinter& printer,
                                     QString (TTimetableMenu::*printTo)(QPrinter&) const) {
    QPrintDialog dialog(&printer, &FForm);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const QString error = (this->*printTo)(printer); !error.isEmpty()) {
        const QString file = printer.outputFileName();
        QMessageBox::warning(&FForm, title,
                             file.isEmpty() ? tr("The timetable could not be printed on %1: %2")
                                                  .arg(printer.printerName(), error)
                                            : tr("The timetable could not be printed to %1: %2")
                                                  .arg(QDir::toNativeSeparators(file), error));
    }
}

void TTimetableMenu::PrintWeek() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("prayer-times-week"));
    PrintWithDialog(tr("Print week"), printer, &TTimetableMenu::PrintWeekTo);
}

void TTimetableMenu::PrintMonth() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("prayer-times-month"));
    printer.setPageOrientation(QPageLayout::Portrait);
    PrintWithDialog(tr("Print month"), printer, &TTimetableMenu::PrintMonthTo);
}

void TTimetableMenu::Adjust() {
    TAdjustmentsDialog ask(FForm.AdjustMinutes(), FForm.HijriAdjustDays(), FForm.HighLatRule(),
                           &FForm);
    if (ask.exec() == QDialog::Accepted) {
        FForm.SetAdjustments(ask.MinutesChosen(), ask.HijriDays->value(), ask.RuleChosen());
    }
}

}  // namespace orvandel
