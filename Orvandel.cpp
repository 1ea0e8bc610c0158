// The program's entry: starts the ephemeris and the Mecca reference place, shows the main
// window and runs the message loop until it is closed, then shuts the modules down in reverse
// order.
#include <QApplication>

#include "Classes/cTvkLocation.h"
#include "ephemeris/fn_Ephemeris.h"
#include "ui/mainPrayerUI.h"

int main(int argc, char* argv[]) {
    orvandel::StartEphemeris();
    orvandel::StartObserverLocations();
    int exitCode = 0;
    {
        QApplication application(argc, argv);
        orvandel::TForm1 form;
        form.show();
        exitCode = application.exec();
    }
    orvandel::StopObserverLocations();
    orvandel::StopEphemeris();
    return exitCode;
}
