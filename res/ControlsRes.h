// Resource ids of the common controls (ranges in resource.h).
#pragma once

// The list-box editor's header buttons: bitmaps and tool-tip strings, in
// button order New, Delete, Move Up, Move Down. A tip's string id is also
// its tool's id.
#define IDB_LISTBOX_NEW        20516
#define IDB_LISTBOX_DELETE     20517
#define IDB_LISTBOX_MOVE_UP    20518
#define IDB_LISTBOX_MOVE_DOWN  20519
#define IDS_LISTBOX_NEW        20531
#define IDS_LISTBOX_DELETE     20532
#define IDS_LISTBOX_MOVE_UP    20533
#define IDS_LISTBOX_MOVE_DOWN  20534
