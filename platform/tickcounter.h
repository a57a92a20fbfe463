#pragma once

#include <cstdint>
#include <functional>

// A millisecond counter that wraps at 2^32, like the desktop's multimedia timer.
// Tests install their own source to drive time across the wrap.
namespace platform {

using TickSource = std::function<std::uint32_t()>;

std::uint32_t tickCount();

// Installs a replacement source and returns the previous one; an empty function
// restores the monotonic clock.
TickSource setTickSource(TickSource source);

} // namespace platform
