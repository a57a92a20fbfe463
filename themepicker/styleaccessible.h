#pragma once

// Assistive technologies see each style preview as a button named "Style k" whose Press
// action installs style k as a left press does.
namespace themepicker {

// Installs the accessibility factory for the preview faces; repeated calls do nothing.
void installStyleAccessibility();

} // namespace themepicker
