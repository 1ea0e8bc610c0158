// Built as C++17: the library's POSIX-rule header names hh_mm_ss under both its own namespace
// and std::chrono, which C++20's <chrono> makes ambiguous.
#include "tools/PosixZoneRule.h"

#include <date/ptz.h>

#include <exception>

namespace orvandel::table {
namespace {

class LibraryRule final : public PosixZoneRule {
  public:
    explicit LibraryRule(const std::string& text) : zone_(text) {}
    int OffsetAt(int64_t utc) const override {
        const date::sys_seconds instant{std::chrono::seconds{utc}};
        return static_cast<int>(zone_.get_info(instant).offset.count());
    }

  private:
    Posix::time_zone zone_;
};

}  // namespace

std::shared_ptr<const PosixZoneRule> PosixZoneRule::Parse(const std::string& text) {
    try {
        return std::make_shared<LibraryRule>(text);
    } catch (const std::exception&) {
        return nullptr;
    }
}

}  // namespace orvandel::table
