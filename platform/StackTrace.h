#pragma once
// A captured call stack: the return addresses, turned into readable lines on demand.

#include <array>
#include <cstddef>
#include <string>

namespace orvandel {

class StackTrace {
public:
    static constexpr std::size_t MaxFrames = 48;

    // The stack of the caller, without the innermost `skip` frames of the caller's own.
    static StackTrace Capture(int skip = 0) noexcept;

    std::size_t Size() const noexcept { return size_; }
    // One line per frame, innermost first: "#3  orvandel::TProtoDate::Dusk(...) +0x4a [0x...]".
    // Function names need the executable's symbols exported (-rdynamic); without them a line
    // shows the module and offset only.
    std::string ToString() const;

private:
    std::array<void*, MaxFrames> frames_{};
    std::size_t size_ = 0;
};

}  // namespace orvandel
