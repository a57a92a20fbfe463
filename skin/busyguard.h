#pragma once

#include <QString>
#include <cstdint>

// The busy guard shared by the skinned buttons and the theme loader. One thread
// runs everything; long operations mark themselves busy, and an entry point that
// finds the flag it cares about set waits a bounded time while pumping events.
namespace basGeneral {

// −1 while a button draws its face, takes a new skin or rebuilds its state pictures.
extern std::int16_t SubBusy;
// −1 while a theme file is being loaded.
extern std::int16_t GeneralBusy;

// Pumps events at least once, then keeps pumping until the watched flag is no
// longer −1 or limitSeconds have passed on the tick counter. watchGeneral picks
// GeneralBusy, otherwise SubBusy. callerName only names the waiter in a trace.
void WaitWhileBusy(std::int32_t limitSeconds, bool watchGeneral, const QString& callerName);

// Sets a busy flag for the life of the scope and clears it on every way out.
class BusyScope {
public:
    explicit BusyScope(std::int16_t& flag)
        : m_flag(flag)
    {
        m_flag = -1;
    }
    ~BusyScope() { m_flag = 0; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    std::int16_t& m_flag;
};

} // namespace basGeneral
