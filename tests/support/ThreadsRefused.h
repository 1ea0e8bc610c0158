#pragma once
// For the child process of a death test: makes the system refuse every thread this process
// starts from now on, as it does when no memory is left for a thread's stack.

#include <pthread.h>

#include <cstddef>
#include <system_error>
#include <thread>

namespace orvandel::test {

// Sets a default thread stack larger than any address space, so that the stack of each new
// thread cannot be mapped and thread creation fails with EAGAIN. Returns whether a thread
// started afterwards is really refused, so that a test under it cannot pass vacuously.
inline bool RefuseNewThreads() {
    pthread_attr_t attr;
    if (pthread_getattr_default_np(&attr) != 0)
        return false;
    const bool set = pthread_attr_setstacksize(&attr, std::size_t{1} << 62) == 0 &&
                     pthread_setattr_default_np(&attr) == 0;
    pthread_attr_destroy(&attr);
    if (!set)
        return false;
    try {
        std::thread([] {}).join();
        return false;
    } catch (const std::system_error& error) {
        return error.code() == std::errc::resource_unavailable_try_again;
    }
}

}  // namespace orvandel::test
