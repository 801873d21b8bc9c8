#include "framework/Portable.h"
#include "conversion/ConversionColumns.h"
#include "conversion/ConversionInfo.h"

#include <cinttypes>
#include <vector>

namespace {

struct ColumnSpec
{
    UINT nId;
    LPCTSTR pszLong;
    LPCTSTR pszShort;
    int nAlignment;
    int nWidth;
};

const ColumnSpec kColumns[kConversionColumnCount] = {
    {1, "Filename", "Filename", 0, 80},
    {2, "Type of data", "Data Type", 0, 70},
    {3, "Multi-electrode system", "Electrode Switcher", 0, 120},
    {4, "Electrode array", "Array", 0, 80},
    {5, "Record location", "Path", 0, 120},
    {6, "Date and time record was created", "Date & Time", 0, 120},
    {8, "Number of channels", "Channels", 1, 65},
    {9, "Number of data in the record", "No of Data", 1, 65},
    {7, "File size", "File Size", 1, 65},
    {10, "Existence of log-file", "Log-file", 0, 50},
    {11, "Record version number", "Ver.", 1, 35},
    {12, "Instrument type", "Instrument", 0, 80},
    {13, "Serial number", "S/N", 1, 60},
    {14, "Reference XYZ-coordinate", "Ref. XYZ", 1, 120},
    {15, "Profile azimuth & inclination", "Azimuth,Inclination", 1, 120},
};

std::vector<CColumnProperty> MakeTable()
{
    std::vector<CColumnProperty> table;
    for (const ColumnSpec& spec : kColumns)
        table.emplace_back(spec.nId, spec.nAlignment, spec.nWidth, TRUE, spec.pszShort, spec.pszLong, 256);
    table.emplace_back();
    return table;
}

template <typename T>
int Compare(T a, T b)
{
    if (a > b)
        return 1;
    return a == b ? 0 : -1;
}

int CompareText(const CString& a, const CString& b)
{
    const int n = a.CompareNoCase(b);
    return Compare(n, 0);
}

// Cells that show only with a serial number compare as empty without one.
CString ShownInstrument(CConversionInfo& info)
{
    return info.GetSerialNumber() != 0 ? info.GetInstrument() : CString();
}

int CompareTriples(double a1, double a2, double a3, double b1, double b2, double b3)
{
    if (int n = Compare(a1, b1))
        return n;
    if (int n = Compare(a2, b2))
        return n;
    return Compare(a3, b3);
}

} // namespace

const CColumnProperty* GetConversionColumnTable()
{
    static const std::vector<CColumnProperty> s_table = MakeTable();
    return s_table.data();
}

const CColumnProperty* FindConversionColumn(UINT nId)
{
    const CColumnProperty* pTable = GetConversionColumnTable();
    for (int i = 0; i < kConversionColumnCount; ++i)
        if (pTable[i].GetColumnId() == nId)
            return &pTable[i];
    return nullptr;
}

CString ConversionCellText(CConversionInfo& info, UINT nColumnId)
{
    CString str;
    switch (nColumnId) {
    case COLUMN_FILENAME: return info.GetName();
    case COLUMN_DATA_TYPE: return info.GetDataType();
    case COLUMN_ELECTRODE_SYSTEM: return info.GetElectrodeSystem();
    case COLUMN_ARRAY: info.GetArrayName(str); return str;
    case COLUMN_PATH: return info.GetFolder();
    case COLUMN_TIME: return info.HasTime() ? info.GetTime().FormatGmt("%d %b %Y  %H:%M:%S") : str;
    case COLUMN_FILE_SIZE: str.Format("%.1f kB", info.GetFileSize() / 1024.0); return str;
    case COLUMN_CHANNELS: str.Format("%u", info.GetChannelCount()); return str;
    case COLUMN_DATA_COUNT: str.Format("%" PRIu64, info.GetDataCount()); return str;
    case COLUMN_LOG_FILE: return info.HasLogFile() ? "Yes" : "-";
    case COLUMN_VERSION: str.Format("%u", info.GetVersion()); return str;
    case COLUMN_INSTRUMENT: return ShownInstrument(info);
    case COLUMN_SERIAL:
        if (info.GetSerialNumber() != 0)
            str.Format("%07lu", static_cast<unsigned long>(info.GetSerialNumber()));
        return str;
    case COLUMN_REFERENCE:
        str.Format("%9.2f,%9.2f,%9.2f", info.GetRefX(), info.GetRefY(), info.GetRefZ());
        return str;
    case COLUMN_ORIENTATION:
        str.Format("%7.2f,%7.2f (deg)", info.GetAzimuth(), info.GetInclination());
        return str;
    default: return str;
    }
}

int CompareConversionInfos(CConversionInfo& a, CConversionInfo& b, UINT nColumnId)
{
    switch (nColumnId) {
    case COLUMN_FILENAME: return CompareText(a.GetTitle(), b.GetTitle());
    case COLUMN_DATA_TYPE: return CompareText(a.GetDataType(), b.GetDataType());
    case COLUMN_ELECTRODE_SYSTEM: return CompareText(a.GetElectrodeSystem(), b.GetElectrodeSystem());
    case COLUMN_ARRAY: {
        CString strA, strB;
        a.GetArrayName(strA);
        b.GetArrayName(strB);
        return CompareText(strA, strB);
    }
    case COLUMN_PATH: return CompareText(a.GetFolder(), b.GetFolder());
    case COLUMN_TIME:
        if (int n = Compare(a.HasTime(), b.HasTime()))
            return n;
        return Compare(a.GetTime().GetTime(), b.GetTime().GetTime());
    case COLUMN_FILE_SIZE: return Compare(a.GetFileSize(), b.GetFileSize());
    case COLUMN_CHANNELS: return Compare(a.GetChannelCount(), b.GetChannelCount());
    case COLUMN_DATA_COUNT: return Compare(a.GetDataCount(), b.GetDataCount());
    case COLUMN_LOG_FILE: return Compare(a.GetLogFlag(), b.GetLogFlag());
    case COLUMN_VERSION: return Compare(a.GetVersion(), b.GetVersion());
    case COLUMN_INSTRUMENT: return CompareText(ShownInstrument(a), ShownInstrument(b));
    case COLUMN_SERIAL: return Compare(a.GetSerialNumber(), b.GetSerialNumber());
    case COLUMN_REFERENCE:
        return CompareTriples(a.GetRefX(), a.GetRefY(), a.GetRefZ(), b.GetRefX(), b.GetRefY(), b.GetRefZ());
    case COLUMN_ORIENTATION:
        return CompareTriples(a.GetAzimuth(), a.GetInclination(), 0, b.GetAzimuth(), b.GetInclination(), 0);
    default: return 0;
    }
}
