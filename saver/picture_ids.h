#pragma once

// Resource numbers of the saver's pictures; shared by the resource script and the code.
// The saver's own pictures use 100-199.

#define IDI_ZANDREL 1

// The push button's state pictures, in the order of its states.
#define IDB_COMMAND_NORMAL 101
#define IDB_COMMAND_HIGHLIGHT 102
#define IDB_COMMAND_PRESSED 103
#define IDB_COMMAND_SELECTED 104
#define IDB_COMMAND_HIGHLIGHT_SELECT 105
#define IDB_COMMAND_DISABLE 106

// The settings dialog's choice marks: not chosen, chosen.
#define IDB_MARK_OFF 111
#define IDB_MARK_ON 112
