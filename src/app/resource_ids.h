#pragma once

// Identifiers shared by resources/tarnpad.rc and the program's code; plain
// macros, because the resource compiler reads this file too.
#define TARNPAD_ICON_ID 1
