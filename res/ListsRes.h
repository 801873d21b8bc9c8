// Resource ids of the list and tree controls (ranges in resource.h).
#pragma once

// The cursor over a column divider in the list header.
#define IDC_LIST_COLUMN_RESIZE 20692
