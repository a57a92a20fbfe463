#pragma once

#include <QString>

namespace app {

// The line the marquee scrolls, 180 characters with one blank at each end: the maker,
// the tool and its version, who wrote it, where its model data comes from, and thanks
// to the projects it is built on.
QString creditsLine();

} // namespace app
