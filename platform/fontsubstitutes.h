#pragma once

namespace platform {

// Maps the Windows font families the window and its controls were designed with to
// families Debian ships, so that the designed names can be used as they are.
void installFontSubstitutes();

} // namespace platform
