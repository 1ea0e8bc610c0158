#pragma once
// Shared by the window's Qt Test classes: registration in the one test program, a fixed
// clock, and a shown window.

#include <QObject>
#include <QTest>
#include <functional>
#include <memory>

#include "platform/DateTime.h"
#include "ui/mainPrayerUI.h"

namespace orvandel {
// Readable failure messages for dates in QCOMPARE.
inline char* toString(const TCivilDate& date) {
    return QTest::toString(QString::asprintf("%04d-%02d-%02d", date.Year, date.Month, date.Day));
}
}  // namespace orvandel

namespace orvandel::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
// Adds a test class to the program's run; the return value only anchors the registration.
int RegisterUiTest(const char* name, TestFactory factory);

#define ORVANDEL_UI_TEST(Class)                             \
    [[maybe_unused]] static const int Class##Registration = \
        ::orvandel::test::RegisterUiTest(#Class, [] { return std::make_unique<Class>(); })

// Wednesday 10 April 2024 at 14:30: the week runs from Saturday 6 to Friday 12 April and
// Wednesday is row 5.
inline TDateTime FixedToday() {
    return EncodeDate(2024, 4, 10) + 14.5 / 24.0;
}
constexpr int FixedTodayRow = 5;

// A window shown offscreen with the clock set to FixedToday().
inline std::unique_ptr<TForm1> ShowForm() {
    SetClockOverride(FixedToday());
    auto form = std::make_unique<TForm1>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        qWarning("window not exposed");
    }
    return form;
}

}  // namespace orvandel::test
