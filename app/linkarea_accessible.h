#pragma once

// What assistive technology learns of a link area: a link, named by the host for the page
// it opens, whose Press action opens it as a click does.
namespace app {

void installLinkAreaAccessibility();

} // namespace app
