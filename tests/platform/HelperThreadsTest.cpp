#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>

#include "platform/HelperThreads.h"
#include "tests/support/ThreadsRefused.h"

using namespace orvandel;

// Each helper runs the work once, while its creator goes on: the creator waits here for all of
// them before the end of the scope would join them.
TEST(HelperThreads, EachRunsTheWorkOnceWhileTheCreatorGoesOn) {
    for (const int count : {0, 1, 3}) {
        SCOPED_TRACE(count);
        std::atomic<int> started{0};
        {
            const HelperThreads helpers(count, [&] {
                ++started;
                started.notify_all();
            });
            for (int seen = started; seen < count; seen = started)
                started.wait(seen);
        }
        EXPECT_EQ(started, count);
    }
}

// Helpers the system refuses are left out rather than failing their creator.
TEST(HelperThreadsDeathTest, RefusedThreadsLeaveTheWorkToTheCreator) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (!test::RefuseNewThreads())
                std::_Exit(2);  // threads still start: nothing would be shown
            std::atomic<int> started{0};
            {
                const HelperThreads helpers(3, [&] { ++started; });
            }
            std::_Exit(started == 0 ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}
