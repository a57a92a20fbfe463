#pragma once
// The model catalogue: filled in with the finder.
