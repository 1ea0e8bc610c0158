// Writes a picture of the main window to the PNG file named by the first argument (default
// "screenshot.png"), with the window's clock set to the second argument, "yyyy-mm-dd" (default
// Wednesday 10 April 2024), at 14:30. Further arguments: "dark" shows it on a desktop with a
// dark palette (Fusion's style of dark themes); "city=NAME" chooses that catalogue city as a
// click on it does; "fixed" unchecks the city's clock, for the fixed GMT offset; "menu" shows
// the timetable's context menu open at the shown date's row; "month=FILE" also prints the
// month of the shown date to the PDF file FILE, as Print month... does, and "week=FILE" the
// week, as Print... does; "find=TEXT" types TEXT into the find field above the city list, its
// towns listed, and "enter" then presses Enter there, which takes the first. The scale comes from
// QT_SCALE_FACTOR, as for any Qt program; the picture has the scaled size. The language is the
// desktop's (LANGUAGE=ar). Runs offscreen unless a platform is chosen.
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPrinter>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "Classes/cTvkLocation.h"
#include "ephemeris/fn_Ephemeris.h"
#include "platform/DateTime.h"
#include "ui/CityList.h"
#include "ui/DrawGrid.h"
#include "ui/PlaceFinder.h"
#include "ui/TimetableMenu.h"
#include "ui/Translations.h"
#include "ui/mainPrayerUI.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const char* path = argc > 1 ? argv[1] : "screenshot.png";
    orvandel::StartEphemeris();
    orvandel::StartObserverLocations();
    int year = 2024, month = 4, day = 10;
    if (argc > 2 && (std::sscanf(argv[2], "%d-%d-%d", &year, &month, &day) != 3 ||
                     !orvandel::IsValidDate(year, month, day))) {
        std::fprintf(stderr, "date %s is not a date (yyyy-mm-dd)\n", argv[2]);
        return 2;
    }
    const orvandel::TDateTime today = orvandel::EncodeDate(year, month, day) + 14.5 / 24.0;
    bool saved = false;
    bool printed = true;
    {
        QApplication application(argc, argv);
        // In the desktop's language, as the program is (LANGUAGE=ar for Arabic).
        const orvandel::TTranslations translations(
            QLocale::system().uiLanguages(),
            orvandel::TranslationsFolder(QCoreApplication::applicationDirPath()));
        std::string_view city, month, week, find;
        bool dark = false, fixed = false, menu = false, enter = false;
        for (int i = 3; i < argc; ++i) {
            const std::string_view option = argv[i];
            dark |= option == "dark";
            fixed |= option == "fixed";
            menu |= option == "menu";
            enter |= option == "enter";
            if (option.starts_with("find=")) {
                find = option.substr(5);
            }
            if (option.starts_with("month=")) {
                month = option.substr(6);
            }
            if (option.starts_with("week=")) {
                week = option.substr(5);
            }
            if (option.starts_with("city=")) {
                city = option.substr(5);
            }
        }
        if (dark) {
            QPalette dark(QColor(0x35, 0x35, 0x35));  // white text on dark grey
            dark.setColor(QPalette::PlaceholderText, QColor(0xB0, 0xB0, 0xB0));
            dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
            QApplication::setStyle(QStringLiteral("Fusion"));
            QApplication::setPalette(dark);
        }
        orvandel::TForm1 form([today] { return today; });
        form.show();
        QApplication::processEvents();
        bool found = city.empty();
        for (int g = 0; g < form.CityList->GroupCount() && !found; ++g) {
            for (int i = 0; i < form.CityList->ItemCount(g) && !found; ++i) {
                if (form.CityList->Item(g, i).Caption == city) {
                    found = true;
                    form.CityList->Open(g);
                    form.GroupItemClick(g, i);
                }
            }
        }
        if (!found) {
            std::fprintf(stderr, "no catalogue city %.*s\n", static_cast<int>(city.size()),
                         city.data());
            return 2;
        }
        if (fixed) {
            form.cbLocalClock->setChecked(false);
        }
        // As typed: one key event a character, then Enter.
        form.edFindPlace->setFocus();
        for (const QChar c : QString::fromUtf8(find.data(), qsizetype(find.size()))) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(form.edFindPlace, &key);
        }
        if (enter) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(form.edFindPlace, &key);
        }
        QApplication::processEvents();
        QPixmap picture = form.grab();
        if (menu) {
            // The menu is a window of its own: drawn onto the picture where it opens.
            const QRect row = form.Grid->CellRect(2, form.CurrentDayRow);
            QContextMenuEvent click(QContextMenuEvent::Mouse, row.center(),
                                    form.Grid->mapToGlobal(row.center()));
            QApplication::sendEvent(form.Grid, &click);
            QApplication::processEvents();
            QMenu* open = form.TimetableMenu->Menu();
            open->setActiveAction(form.TimetableMenu->SaveAction);
            QApplication::processEvents();
            QPainter painter(&picture);
            painter.drawPixmap(form.mapFromGlobal(open->pos()), open->grab());
        }
        saved = picture.save(QString::fromLocal8Bit(path), "PNG");
        // As the print dialog's "Print to File (PDF)" printer does.
        using PrintTo = QString (orvandel::TTimetableMenu::*)(QPrinter&) const;
        const auto print = [&form, &printed](std::string_view file, PrintTo printTo) {
            if (!file.empty()) {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(QString::fromUtf8(file.data(), qsizetype(file.size())));
                if (const QString error = (form.TimetableMenu->*printTo)(printer);
                    !error.isEmpty()) {
                    std::fprintf(stderr, "could not print to %.*s: %s\n",
                                 static_cast<int>(file.size()), file.data(), qPrintable(error));
                    printed = false;
                }
            }
        };
        print(month, &orvandel::TTimetableMenu::PrintMonthTo);
        print(week, &orvandel::TTimetableMenu::PrintWeekTo);
    }
    orvandel::StopObserverLocations();
    orvandel::StopEphemeris();
    if (!saved) {
        std::fprintf(stderr, "could not write %s\n", path);
    }
    return saved && printed ? 0 : 1;
}
