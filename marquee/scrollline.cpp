#include "marquee/scrollline.h"

#include <algorithm>

namespace marquee {

QString staticLine(const QString& caption, int cells)
{
    const qsizetype width = std::max(cells, 0);
    return caption.left(width).leftJustified(width, QLatin1Char(' '));
}

QString scrollingLine(const QString& caption, int cells, std::int16_t position)
{
    const qsizetype width = std::max(cells, 0);
    // The window starts position − 1 characters into the scroll text: in the leading
    // blanks while position ≤ cells, in the caption after.
    const qsizetype start = std::max<qsizetype>(position - 1, 0);
    const qsizetype blanks = std::max<qsizetype>(width - start, 0);
    const QString shown = QString(blanks, QLatin1Char(' ')) +
                          caption.mid(std::max<qsizetype>(start - width, 0), width - blanks);
    return staticLine(shown, cells);
}

std::int16_t nextScrollPosition(std::int16_t position, qsizetype captionLength, int cells)
{
    const qsizetype cycle = captionLength + std::max(cells, 0);
    if (position >= kLastScrollPosition || position + 1 > cycle)
        return 1;
    return std::int16_t(position + 1);
}

} // namespace marquee
