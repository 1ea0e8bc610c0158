// Runs every registered Qt Test class of the window, offscreen, under the program's own
// application object, with the modules started and stopped as the program does it. A first argument
// naming a class runs only that class; the remaining arguments go to Qt Test ("test_ui
// RenderingTest -v2").
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "tests/ui/UiTestSupport.h"
#include "timetable/Session.h"
#include "ui/Application.h"
#include "ui/Translations.h"

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
    // The window reads a kept place from the user's configuration folder: the tests' own,
    // empty one.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    std::optional<orvandel::TimetableSession> session(std::in_place);
    int failures = 0;
    {
        orvandel::TApplication application(argc, argv);
        // The desktop's language, as the program takes it (ctest runs in English, and once in
        // Arabic).
        const orvandel::TTranslations translations(
            QLocale::system().uiLanguages(),
            orvandel::TranslationsFolder(QCoreApplication::applicationDirPath()));
        const char* only = nullptr;
        for (const auto& entry : orvandel::test::Registry()) {
            if (argc > 1 && std::strcmp(argv[1], entry.first) == 0) {
                only = entry.first;
            }
        }
        std::vector<char*> args(argv, argv + argc);
        if (only != nullptr) {
            args.erase(args.begin() + 1);
        }
        for (const auto& [name, factory] : orvandel::test::Registry()) {
            if (only != nullptr && std::strcmp(name, only) != 0) {
                continue;
            }
            const std::unique_ptr<QObject> test = factory();
            failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
        }
    }
    session.reset();
    return failures == 0 ? 0 : 1;
}
