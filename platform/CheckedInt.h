#pragma once
// Integer arithmetic that raises instead of wrapping. Every integer step of the calendar core
// goes through these helpers; `what` names the operation for the error message.

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "platform/Errors.h"

namespace orvandel {

namespace detail {
[[noreturn]] void ThrowOverflow(std::string_view what, char op, long long a, long long b);
[[noreturn]] void ThrowRange(std::string_view what, long long value, long long lo, long long hi);
}  // namespace detail

template <typename T>
constexpr T CheckedAdd(T a, T b, std::string_view what = "addition") {
    T r{};
    if (__builtin_add_overflow(a, b, &r)) detail::ThrowOverflow(what, '+', a, b);
    return r;
}

template <typename T>
constexpr T CheckedSub(T a, T b, std::string_view what = "subtraction") {
    T r{};
    if (__builtin_sub_overflow(a, b, &r)) detail::ThrowOverflow(what, '-', a, b);
    return r;
}

template <typename T>
constexpr T CheckedMul(T a, T b, std::string_view what = "multiplication") {
    T r{};
    if (__builtin_mul_overflow(a, b, &r)) detail::ThrowOverflow(what, '*', a, b);
    return r;
}

// A 64-bit value that must fit 32 bits; ERangeError otherwise.
constexpr int32_t NarrowToInt32(int64_t value, std::string_view what = "narrowing") {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        detail::ThrowRange(what, value, std::numeric_limits<int32_t>::min(),
                           std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(value);
}

// A value that must lie in lo..hi (inclusive); ERangeError otherwise.
constexpr int64_t CheckRange(int64_t value, int64_t lo, int64_t hi, std::string_view what) {
    if (value < lo || value > hi) detail::ThrowRange(what, value, lo, hi);
    return value;
}

}  // namespace orvandel
