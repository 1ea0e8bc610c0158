#pragma once
// The error kinds the core raises. Each names the operation and the offending value in
// its message, e.g. "FixedFromGregorian: month 70000 outside 0..65535".

#include <stdexcept>
#include <string>

#include "platform/StackTrace.h"

namespace orvandel {

// Root of every error the core raises on purpose. It records the call stack where it was
// raised, so that a report of an error that escapes to the application shows its origin.
class EPlatformError : public std::runtime_error {
public:
    explicit EPlatformError(const std::string& message)
        : std::runtime_error(message), trace_(StackTrace::Capture(1)) {}
    explicit EPlatformError(const char* message)
        : std::runtime_error(message), trace_(StackTrace::Capture(1)) {}

    const StackTrace& Trace() const noexcept { return trace_; }

private:
    StackTrace trace_;
};

// An integer result left the range of its type (32 or 64 bits).
class EIntOverflow : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// A narrowing, an array index or a field value outside its allowed range.
class ERangeError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// A date or time that the civil calendar cannot represent (years 1 to 9999, real dates only).
class EConvertError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// An operation that has no valid result for its arguments ("Bogus time").
class EInvalidOp : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// A virtual operation that the receiving class does not implement.
class EAbstractError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

}  // namespace orvandel
