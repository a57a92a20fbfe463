#pragma once

#include "platform/picture.h"

#include <QImage>
#include <cstdint>

namespace basGeneral {

// Renders a skin picture at width × height twips onto target by nine-region slicing:
// corners keep their size, edges stretch along their length, the centre both ways.
// smooth picks the bilinear stretch, otherwise the keyed nearest-neighbour copy.
// background only prepares the work surface (white unless it is black). The corner
// defaults and reduction and the size defaults are written back to the caller's
// variables. Raises error 91 for a null skin and error 6 on twip overflow.
void StretchSkin(const platform::PicturePtr& skin, QImage& target, std::int32_t& cornerWidth,
                 std::int32_t& cornerHeight, std::int32_t& width, std::int32_t& height, bool smooth,
                 std::int32_t background);

} // namespace basGeneral
