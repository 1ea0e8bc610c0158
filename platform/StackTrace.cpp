#include "platform/StackTrace.h"

#include <cxxabi.h>
#include <execinfo.h>

#include <cstdlib>
#include <memory>
#include <string_view>

namespace orvandel {
namespace {

// "module(mangled+0x1f) [0xaddr]" -> "demangled +0x1f [0xaddr] module"; other lines as they are.
std::string Readable(std::string_view line) {
    const auto open = line.find('(');
    const auto plus = line.find('+', open == std::string_view::npos ? 0 : open);
    const auto close = line.find(')', plus == std::string_view::npos ? 0 : plus);
    if (open == std::string_view::npos || plus == std::string_view::npos ||
        close == std::string_view::npos || plus == open + 1)
        return std::string(line);
    const std::string mangled(line.substr(open + 1, plus - open - 1));
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled.c_str(), nullptr, nullptr, &status), &std::free);
    std::string text = status == 0 && demangled ? std::string(demangled.get()) : mangled;
    text.append(" ").append(line.substr(plus, close - plus));
    text.append(line.substr(close + 1)).append("  ").append(line.substr(0, open));
    return text;
}

}  // namespace

StackTrace StackTrace::Capture(int skip) noexcept {
    StackTrace trace;
    void* frames[MaxFrames + 8];
    const int total = ::backtrace(frames, static_cast<int>(MaxFrames + 8));
    const int first = 1 + (skip > 0 ? skip : 0);  // drop Capture itself
    for (int i = first; i < total && trace.size_ < MaxFrames; ++i)
        trace.frames_[trace.size_++] = frames[i];
    return trace;
}

std::string StackTrace::ToString() const {
    if (size_ == 0) return "(no stack trace)\n";
    std::unique_ptr<char*, decltype(&std::free)> symbols(
        ::backtrace_symbols(frames_.data(), static_cast<int>(size_)), &std::free);
    std::string text;
    for (std::size_t i = 0; i < size_; ++i) {
        text.append("#").append(std::to_string(i)).append("  ");
        text += symbols ? Readable(symbols.get()[i]) : "?";
        text += "\n";
    }
    return text;
}

}  // namespace orvandel
