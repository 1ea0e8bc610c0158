// Writes a picture of the main window to the PNG file named by the first argument (default
// "screenshot.png"), with the clock set to the second argument, "yyyy-mm-dd" (default
// Wednesday 10 April 2024), at 14:30. A third argument "dark" shows it on a desktop with a dark
// palette (Fusion's style of dark themes). The scale comes from QT_SCALE_FACTOR, as for any Qt
// program; the picture has the scaled size. Runs offscreen unless a platform is chosen.
#include <QApplication>
#include <QPalette>
#include <QPixmap>
#include <cstdio>
#include <cstring>

#include "Classes/cTvkLocation.h"
#include "ephemeris/fn_Ephemeris.h"
#include "platform/DateTime.h"
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
    orvandel::SetClockOverride(orvandel::EncodeDate(year, month, day) + 14.5 / 24.0);
    bool saved = false;
    {
        QApplication application(argc, argv);
        if (argc > 3 && std::strcmp(argv[3], "dark") == 0) {
            QPalette dark(QColor(0x35, 0x35, 0x35));  // white text on dark grey
            dark.setColor(QPalette::PlaceholderText, QColor(0xB0, 0xB0, 0xB0));
            dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
            QApplication::setStyle(QStringLiteral("Fusion"));
            QApplication::setPalette(dark);
        }
        orvandel::TForm1 form;
        form.show();
        QApplication::processEvents();
        saved = form.grab().save(QString::fromLocal8Bit(path), "PNG");
    }
    orvandel::StopObserverLocations();
    orvandel::StopEphemeris();
    if (!saved) {
        std::fprintf(stderr, "could not write %s\n", path);
        return 1;
    }
    return 0;
}
