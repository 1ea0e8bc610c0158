#pragma once
// Shared by the fuzz tests: how many inputs and which seed, from the environment for a longer
// run by hand.

#include <cstdint>
#include <cstdlib>

namespace orvandel {

// The number in the environment variable `name`, else `fallback` when it is unset or empty.
inline uint64_t EnvNumber(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

}  // namespace orvandel
