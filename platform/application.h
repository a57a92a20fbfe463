#pragma once

#include <QString>

// The application's title and folder.
namespace platform {

// The title every message box and stored setting of the program is filed under.
QString applicationTitle();

// The folder of the running executable, without a trailing separator.
QString applicationFolder();

} // namespace platform
