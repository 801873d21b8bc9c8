// The fifteen columns of a conversion project's list: the table the column
// chooser offers, the default layout, each cell's text and the order of
// rows by a column. Rows sort by what their cells show.
#pragma once

#include "framework/Portable.h"
#include "app/project/ColumnProperty.h"

class CConversionInfo;

enum ConversionColumn : UINT {
    COLUMN_FILENAME = 1,
    COLUMN_DATA_TYPE = 2,
    COLUMN_ELECTRODE_SYSTEM = 3,
    COLUMN_ARRAY = 4,
    COLUMN_PATH = 5,
    COLUMN_TIME = 6,
    COLUMN_FILE_SIZE = 7,
    COLUMN_CHANNELS = 8,
    COLUMN_DATA_COUNT = 9,
    COLUMN_LOG_FILE = 10,
    COLUMN_VERSION = 11,
    COLUMN_INSTRUMENT = 12,
    COLUMN_SERIAL = 13,
    COLUMN_REFERENCE = 14,
    COLUMN_ORIENTATION = 15,
};

constexpr int kConversionColumnCount = 15;

// The fifteen columns in chooser order, then an empty end entry.
const CColumnProperty* GetConversionColumnTable();
// The column of an id, or null.
const CColumnProperty* FindConversionColumn(UINT nId);

// Ids of the default layout, at positions 0 to 8.
constexpr UINT kDefaultConversionColumns[] = {1, 2, 3, 4, 5, 6, 9, 11, 13};

// The text of a cell; the file name column shows the title.
CString ConversionCellText(CConversionInfo& info, UINT nColumnId);

// -1, 0 or 1 as the rows would stand by that column, ascending.
int CompareConversionInfos(CConversionInfo& a, CConversionInfo& b, UINT nColumnId);
