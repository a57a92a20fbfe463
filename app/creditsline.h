#pragma once

#include <QString>

namespace app {

// The line the marquee scrolls: the maker, the tool and its version, then the credits,
// 180 characters with one blank at each end.
QString creditsLine();

} // namespace app
