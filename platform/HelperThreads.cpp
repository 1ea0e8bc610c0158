#include "platform/HelperThreads.h"

#include <algorithm>
#include <system_error>
#include <utility>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

namespace orvandel {

// Which CPU each helper starts on. Placement is a hint: a refusal by the system leaves the
// thread where the system put it.
class HelperThreads::Placement {
  public:
#ifdef __linux__
    Placement() {
        CPU_ZERO(&all_);
        if (sched_getaffinity(0, sizeof all_, &all_) != 0)
            return;
        const int current = sched_getcpu();
        if (current < 0)
            return;
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
            if (CPU_ISSET(cpu, &all_) && cpu != current)
                others_.push_back(cpu);
    }
    // On the creator: helper `index` to a CPU other than the creator's.
    void Start(std::jthread& thread, int index) const {
        if (others_.empty())
            return;
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(others_[static_cast<size_t>(index) % others_.size()], &one);
        pthread_setaffinity_np(thread.native_handle(), sizeof one, &one);
    }
    // On a helper that runs where it was started: any of the process's CPUs from now on.
    void Release() const {
        if (!others_.empty())
            pthread_setaffinity_np(pthread_self(), sizeof all_, &all_);
    }

  private:
    cpu_set_t all_;
    std::vector<int> others_;
#else
    void Start(std::jthread&, int) const {}
    void Release() const {}
#endif
};

HelperThreads::HelperThreads(int count, std::function<void()> work)
    : placement_(std::make_unique<const Placement>()), work_(std::move(work)) {
    threads_.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        try {
            threads_.emplace_back([this, i] {
                for (int placed = placed_; placed <= i; placed = placed_)
                    placed_.wait(placed);
                placement_->Release();
                work_();
            });
        } catch (const std::system_error&) {
            // The system refused a thread (no memory for its stack, a process limit): the
            // helpers started so far, or the creator alone, do the work.
            return;
        }
        placement_->Start(threads_.back(), i);
        ++placed_;
        placed_.notify_all();
    }
}

HelperThreads::~HelperThreads() = default;

}  // namespace orvandel
