#pragma once

#include <QIcon>

// The widget box icons of the two controls, drawn here rather than shipped as files.
namespace vantreldesigner {

QIcon buttonIcon();
QIcon displayIcon();

} // namespace vantreldesigner
