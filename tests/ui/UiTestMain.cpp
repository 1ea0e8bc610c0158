// Runs every registered Qt Test class of the window, offscreen, with the ephemeris and the
// Mecca reference place started as the program starts them.
#include <QApplication>
#include <QTest>
#include <utility>
#include <vector>

#include "Classes/cTvkLocation.h"
#include "ephemeris/fn_Ephemeris.h"
#include "tests/ui/UiTestSupport.h"

namespace orvandel::test {

namespace {
std::vector<std::pair<const char*, TestFactory>>& Registry() {
    static std::vector<std::pair<const char*, TestFactory>> tests;
    return tests;
}
}  // namespace

int RegisterUiTest(const char* name, TestFactory factory) {
    Registry().emplace_back(name, std::move(factory));
    return static_cast<int>(Registry().size());
}

}  // namespace orvandel::test

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    orvandel::StartEphemeris();
    orvandel::StartObserverLocations();
    int failures = 0;
    {
        QApplication application(argc, argv);
        for (const auto& [name, factory] : orvandel::test::Registry()) {
            const std::unique_ptr<QObject> test = factory();
            failures += QTest::qExec(test.get(), argc, argv);
        }
    }
    orvandel::SetClockOverride(std::nullopt);
    orvandel::StopObserverLocations();
    orvandel::StopEphemeris();
    return failures == 0 ? 0 : 1;
}
