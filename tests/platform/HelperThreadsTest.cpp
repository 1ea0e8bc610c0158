#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

#include "platform/HelperThreads.h"

using namespace orvandel;

// Each helper runs the work once, while its creator goes on (the creator waits here for all of
// them before the end of the scope would join them), and runs it allowed on every CPU of the
// process again after its start on a chosen one.
TEST(HelperThreads, EachRunsTheWorkOnceWhileTheCreatorGoesOnOnAnyCpu) {
    for (const int count : {0, 1, 3}) {
        SCOPED_TRACE(count);
        std::atomic<int> started{0};
        std::atomic<int> pinned{0};
#ifdef __linux__
        cpu_set_t process;  // the creator's CPUs, which a helper inherits
        ASSERT_EQ(sched_getaffinity(0, sizeof process, &process), 0);
#endif
        {
            const HelperThreads helpers(count, [&] {
#ifdef __linux__
                cpu_set_t own;
                pthread_getaffinity_np(pthread_self(), sizeof own, &own);
                if (!CPU_EQUAL(&process, &own))
                    ++pinned;
#endif
                ++started;
                started.notify_all();
            });
            for (int seen = started; seen < count; seen = started)
                started.wait(seen);
        }
        EXPECT_EQ(started, count);
        EXPECT_EQ(pinned, 0);
    }
}
