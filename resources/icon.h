#pragma once

#include <QImage>

// The program's icon: a keypad IC on a green-grey board with a handset beside it.
namespace artwork {

QImage drawIcon(int size);

} // namespace artwork
