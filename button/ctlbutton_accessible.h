#pragma once

class ctlButton;

// What assistive technology learns of a skinned button: a push button named by its full
// caption, disabled while the button is, whose Press action raises Click.
namespace button {

// Makes Qt's accessibility ask this control's own interface for every button; once per
// process, whichever button comes first.
void installAccessibility();

} // namespace button
