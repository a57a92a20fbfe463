#include "skin/busyguard.h"

#include "platform/eventpump.h"
#include "platform/tickcounter.h"

namespace basGeneral {

std::int16_t SubBusy = 0;
std::int16_t GeneralBusy = 0;

void WaitWhileBusy(std::int32_t limitSeconds, bool watchGeneral, const QString& /*callerName*/)
{
    const std::int16_t& flag = watchGeneral ? GeneralBusy : SubBusy;
    const std::int64_t limitMs = std::int64_t{limitSeconds} * 1000;
    const std::uint32_t start = platform::tickCount();
    for (;;) {
        platform::pumpEvents();
        // Unsigned subtraction is the difference modulo 2^32, so the counter's wrap
        // neither ends the wait early nor prolongs it.
        const std::uint32_t elapsed = platform::tickCount() - start;
        if (std::int64_t{elapsed} >= limitMs || flag != -1)
            return;
    }
}

} // namespace basGeneral
