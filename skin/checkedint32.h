#pragma once

#include "platform/runtimeerror.h"

#include <compare>
#include <cstdint>

namespace basGeneral {

// A 32-bit signed integer whose arithmetic raises the overflow error (6) instead of
// wrapping. The twip arithmetic of the skin stretch runs in it, so a size too large
// for 32 bits reaches the caller as an error and never as a wrapped, wrong face.
class CheckedInt32 {
public:
    constexpr CheckedInt32(std::int32_t value)
        : m_value(value)
    {
    } // NOLINT: converts implicitly
    constexpr std::int32_t value() const { return m_value; }

    friend CheckedInt32 operator+(CheckedInt32 a, CheckedInt32 b)
    {
        std::int32_t sum;
        raiseIf(__builtin_add_overflow(a.m_value, b.m_value, &sum));
        return sum;
    }
    friend CheckedInt32 operator-(CheckedInt32 a, CheckedInt32 b)
    {
        std::int32_t difference;
        raiseIf(__builtin_sub_overflow(a.m_value, b.m_value, &difference));
        return difference;
    }
    friend CheckedInt32 operator*(CheckedInt32 a, CheckedInt32 b)
    {
        std::int32_t product;
        raiseIf(__builtin_mul_overflow(a.m_value, b.m_value, &product));
        return product;
    }
    friend constexpr auto operator<=>(CheckedInt32, CheckedInt32) = default;

private:
    static void raiseIf(bool overflowed)
    {
        if (overflowed)
            throw platform::RuntimeError(platform::kErrOverflow);
    }

    std::int32_t m_value;
};

} // namespace basGeneral
