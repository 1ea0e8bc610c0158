#pragma once
// Helper threads that start at once. Linux queues a new thread on its creator's CPU, where it
// waits for the load balancer even when another CPU is idle: 1 to 3 ms on a 2-core virtual
// machine, longer than a year of timetable rows takes. Each helper is therefore started on
// another CPU than its creator's and, once running there, allowed on all of the process's
// CPUs again. Where the platform offers no such placement the helpers simply start.

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace orvandel {

// Starts up to `count` threads running `work` and joins them when it goes out of scope. A
// thread the system cannot start is left out, so the creator must itself run the work until
// none is left: helpers only share it.
class HelperThreads {
  public:
    HelperThreads(int count, std::function<void()> work);
    ~HelperThreads();
    HelperThreads(const HelperThreads&) = delete;
    HelperThreads& operator=(const HelperThreads&) = delete;

  private:
    class Placement;
    std::unique_ptr<const Placement> placement_;
    std::function<void()> work_;
    std::atomic<int> placed_{0};         // helpers placed so far; each waits for its own
    std::vector<std::jthread> threads_;  // the last member: joined before the others go
};

}  // namespace orvandel
