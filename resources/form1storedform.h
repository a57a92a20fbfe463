#pragma once

#include "platform/formfile.h"

// The stored sets the main window's five buttons and its marquee come up with, as the
// form file that is compiled into the program. The program only ever reads it.
namespace artwork {

// Every stored set with its control's place, size and HIMETRIC extent, and the skins
// drawn at each button's size.
platform::StoredForm form1StoredForm();

} // namespace artwork
