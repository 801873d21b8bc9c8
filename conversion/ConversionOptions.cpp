#include "framework/Portable.h"
#include "conversion/ConversionOptions.h"
#include "framework/OsFile.h"
#include "res/ConversionRes.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstdio>

namespace {

struct FormatSpec
{
    LPCTSTR pszName;
    char chLetter;
    LPCTSTR pszExtension;
};

const FormatSpec kFormats[kConversionFormatCount] = {
    {"Norvik Multi-Purpose Format (*.NMP)", 'a', ".NMP"},
    {"Surfer Format (*.DAT)", 'e', ".DAT"},
    {"Interpex Resix IP (*.RPD)", 'p', ".RPD"},
    {"Interpex Resix Plus (*.REX)", 'x', ".REX"},
    {"Res2Dinv Format (*.DAT)", 'r', ".DAT"},
    {"Res3Dinv Format (*.DAT)", '3', ".DAT"},
    {"LAS Format loggdata (*.LAS)", 'l', ".LAS"},
};

const char kFormatSection[] = "Output Format";
const char kFormatKey[] = "Format Code";

// The keys of a format's section, with their defaults.
const char kChannelsKey[] = "Disabled channels";
const char kThresholdKey[] = "Error threshold";
const char kOptionsKey[] = "Options";
const char kIpKey[] = "IP conversion";
const char kMarineKey[] = "Marine survey";
const char kGeometryKey[] = "Geometry file";
const char kSampleKey[] = "Sample range";
const char kGridKey[] = "Grid spacings";

struct KeyDefault
{
    LPCTSTR pszKey;
    LPCTSTR pszDefault;
};

const KeyDefault kKeys[] = {
    {kChannelsKey, "1,1,1,1"},
    {kThresholdKey, "0,2.5"},
    {kOptionsKey, "0,0,0,0,0,1,0,0,0,1"},
    {kIpKey, "0,1,1,10"},
    {kMarineKey, "0,89.0,0.0,0.0,0.0"},
    {kGeometryKey, "0, ,0"},
    {kSampleKey, "0,1,1048576"},
    {kGridKey, "0,2.0,2.0,2.0"},
};

bool IsValidFormat(int nFormat) { return nFormat >= 0 && nFormat < kConversionFormatCount; }

template <typename T>
T Clamp(T value, T low, T high)
{
    return std::min(std::max(value, low), high);
}

BOOL Flag(int n) { return n != 0 ? TRUE : FALSE; }

// "flag,path,flag": the path is everything between the first and last comma.
void ParseGeometry(const CString& strValue, BOOL& bUse, CString& strPath, BOOL& bIgnore)
{
    const int nFirst = strValue.Find(',');
    const int nLast = strValue.ReverseFind(',');
    int nUse = 0;
    std::sscanf(strValue, "%d", &nUse);
    bUse = Flag(nUse);
    if (nFirst < 0 || nLast <= nFirst) {
        strPath.Empty();
        return;
    }
    bIgnore = Flag(std::atoi(strValue.Mid(nLast + 1)));
    strPath = strValue.Mid(nFirst + 1, nLast - nFirst - 1);
    if (strPath == " ")
        strPath.Empty();
}

CString Formatted(LPCTSTR pszFormat, ...)
{
    CString str;
    va_list args;
    va_start(args, pszFormat);
    str.FormatV(pszFormat, args);
    va_end(args);
    return str;
}

} // namespace

LPCTSTR ConversionFormatName(int nFormat) { return IsValidFormat(nFormat) ? kFormats[nFormat].pszName : ""; }
char ConversionFormatLetter(int nFormat) { return IsValidFormat(nFormat) ? kFormats[nFormat].chLetter : ' '; }
LPCTSTR ConversionOutputExtension(int nFormat) { return IsValidFormat(nFormat) ? kFormats[nFormat].pszExtension : ""; }

bool IsApplicable(int nFormat, UINT nControlId)
{
    switch (nFormat) {
    case 1:
    case 2:
    case 3:
        return !((nControlId >= IDC_CONV_OUTPUT_ALL && nControlId <= IDC_CONV_RIGHT_LIMIT)
                 || nControlId == IDC_CONV_SAMPLE_NUMBERS || nControlId == IDC_CONV_COORDINATE_TYPE);
    case 4:
    case 5:
        return nControlId != IDC_CONV_OUTPUT_ALL && nControlId != IDC_CONV_ADD_COMMENTS
               && nControlId != IDC_CONV_SAMPLE_NUMBERS && nControlId != IDC_CONV_COORDINATE_TYPE;
    default:
        return true;
    }
}

CString QuoteArgument(const CString& strArgument)
{
    if (strArgument.FindOneOf(" \t") < 0)
        return strArgument;
    // Backslashes before the closing quote would escape it.
    CString strInner = strArgument;
    int nTrailing = 0;
    while (nTrailing < strInner.GetLength() && strInner[strInner.GetLength() - 1 - nTrailing] == '\\')
        ++nTrailing;
    for (int i = 0; i < nTrailing; ++i)
        strInner += '\\';
    return "\"" + strInner + "\"";
}

void CConversionOptions::LoadProfile(CProfileStore& profile, bool bReadFormat)
{
    CConversionOptions fresh;
    fresh.nFormat = nFormat;
    if (bReadFormat)
        fresh.nFormat = static_cast<int>(profile.GetInt(kFormatSection, kFormatKey, 0));
    if (!IsValidFormat(fresh.nFormat))
        fresh.nFormat = 0;
    const LPCTSTR pszSection = ConversionFormatName(fresh.nFormat);
    auto read = [&](const KeyDefault& key) { return profile.GetString(pszSection, key.pszKey, key.pszDefault); };

    CConversionOptions& o = fresh;
    int n[10] = {};
    std::fill(n, n + 4, 1);
    std::sscanf(read(kKeys[0]), "%d,%d,%d,%d", &n[0], &n[1], &n[2], &n[3]);
    for (int i = 0; i < 4; ++i)
        o.bChannel[i] = Flag(n[i]);

    n[0] = 0;
    std::sscanf(read(kKeys[1]), "%d,%lf", &n[0], &o.dThreshold);
    o.bThresholdOn = Flag(n[0]);

    const int nDefaults[10] = {0, 0, 0, 0, 0, 1, 0, 0, 0, 1};
    std::copy(nDefaults, nDefaults + 10, n);
    std::sscanf(read(kKeys[2]), "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5], &n[6],
                &n[7], &n[8], &n[9]);
    o.bForceResistance = Flag(n[0]);
    o.bOverwrite = Flag(n[1]);
    o.bAddComments = Flag(n[2]);
    o.bSampleNumbers = Flag(n[3]);
    o.bUnconditional = Flag(n[4]);
    o.nRejection = n[5];
    o.nCoordinateType = n[6];
    o.bOutputAll = Flag(n[7]);
    o.bReverseSign = Flag(n[8]);
    o.bTimeStamp = Flag(n[9]);

    o.nIpMode = 0;
    std::sscanf(read(kKeys[3]), "%d,%d,%d,%d", &o.nIpMode, &o.nSingleWindow, &o.nSumFrom, &o.nSumTo);

    n[0] = 0;
    std::sscanf(read(kKeys[4]), "%d,%lf,%lf,%lf,%lf", &n[0], &o.dWaterResistivity, &o.dLocalDatum, &o.dLeftLimit,
                &o.dRightLimit);
    o.bMarine = Flag(n[0]);

    ParseGeometry(read(kKeys[5]), o.bUseGeometry, o.strGeometryFile, o.bIgnoreGeometry);

    n[0] = 0;
    std::sscanf(read(kKeys[6]), "%d,%ld,%ld", &n[0], &o.nSampleFrom, &o.nSampleTo);
    o.bSampleRangeOn = Flag(n[0]);

    n[0] = 0;
    std::sscanf(read(kKeys[7]), "%d,%lf,%lf,%lf", &n[0], &o.dGridX, &o.dGridY, &o.dGridZ);
    o.bGridChange = Flag(n[0]);

    // A damaged profile must not give values the dialog cannot show.
    o.nRejection = Clamp(o.nRejection, 0, 2);
    o.nCoordinateType = Clamp(o.nCoordinateType, 0, 4);
    o.nIpMode = Clamp(o.nIpMode, 0, 3);
    o.nSingleWindow = Clamp(o.nSingleWindow, 1, 10);
    o.nSumFrom = Clamp(o.nSumFrom, 1, 10);
    o.nSumTo = Clamp(o.nSumTo, 1, 10);
    o.dThreshold = Clamp(o.dThreshold, 0.0, 100.0);
    o.nSampleFrom = Clamp(o.nSampleFrom, 1L, kMaxSampleNumber);
    o.nSampleTo = Clamp(o.nSampleTo, 1L, kMaxSampleNumber);
    o.dGridX = Clamp(o.dGridX, 0.01, 1000.0);
    o.dGridY = Clamp(o.dGridY, 0.01, 1000.0);
    o.dGridZ = Clamp(o.dGridZ, 0.01, 1000.0);
    *this = fresh;
}

void CConversionOptions::SaveProfile(CProfileStore& profile) const
{
    profile.WriteInt(kFormatSection, kFormatKey, nFormat);
    const LPCTSTR s = ConversionFormatName(nFormat);
    if (!*s)
        return;
    profile.WriteString(s, kChannelsKey,
                        Formatted("%d,%d,%d,%d", bChannel[0], bChannel[1], bChannel[2], bChannel[3]));
    profile.WriteString(s, kThresholdKey, Formatted("%d,%.1f", bThresholdOn, dThreshold));
    profile.WriteString(s, kOptionsKey,
                        Formatted("%d,%d,%d,%d,%d,%d,%d,%d,%d,%d", bForceResistance, bOverwrite, bAddComments,
                                  bSampleNumbers, bUnconditional, nRejection, nCoordinateType, bOutputAll,
                                  bReverseSign, bTimeStamp));
    profile.WriteString(s, kIpKey, Formatted("%d,%d,%d,%d", nIpMode, nSingleWindow, nSumFrom, nSumTo));
    profile.WriteString(s, kMarineKey, Formatted("%d,%.2f,%.2f,%.2f,%.2f", bMarine, dWaterResistivity, dLocalDatum,
                                                 dLeftLimit, dRightLimit));
    profile.WriteString(s, kGeometryKey,
                        strGeometryFile.IsEmpty()
                            ? Formatted("%d, ,%d", bUseGeometry, bIgnoreGeometry)
                            : Formatted("%d,%s,%d", bUseGeometry, static_cast<LPCTSTR>(strGeometryFile),
                                        bIgnoreGeometry));
    profile.WriteString(s, kSampleKey, Formatted("%d,%ld,%ld", bSampleRangeOn, nSampleFrom, nSampleTo));
    profile.WriteString(s, kGridKey, Formatted("%d,%.2f,%.2f,%.2f", bGridChange, dGridX, dGridY, dGridZ));
}

void CConversionOptions::FitIpModeToFormat()
{
    switch (nFormat) {
    case 3:
        nIpMode = 0;
        break;
    case 1:
    case 2:
    case 4:
    case 5:
        if (nIpMode == 1)
            nIpMode = 2;
        break;
    default:
        if (nIpMode == 0)
            nIpMode = 1;
        break;
    }
}

bool CConversionOptions::IsEnabled(UINT nId) const
{
    const bool bCheckedErrors = !bUnconditional;
    const bool bFormat0 = nFormat == 0;
    const bool bIpFormat = nFormat != 1 && nFormat != 2 && nFormat != 3 && nFormat != 4 && nFormat != 5;
    switch (nId) {
    case IDC_CONV_THRESHOLD_ON:
    case IDC_CONV_NO_REJECTION:
    case IDC_CONV_REJECT_NEGATIVE:
    case IDC_CONV_REJECT_POSITIVE:
    case IDC_CONV_CHANNEL1:
    case IDC_CONV_CHANNEL2:
    case IDC_CONV_CHANNEL3:
    case IDC_CONV_CHANNEL4: return bCheckedErrors;
    case IDC_CONV_THRESHOLD: return bCheckedErrors && bThresholdOn;
    case IDC_CONV_MARINE: return IsApplicable(nFormat, IDC_CONV_MARINE);
    case IDC_CONV_WATER_RESISTIVITY:
    case IDC_CONV_LOCAL_DATUM:
    case IDC_CONV_LEFT_LIMIT:
    case IDC_CONV_RIGHT_LIMIT: return IsApplicable(nFormat, IDC_CONV_MARINE) && bMarine;
    case IDC_CONV_IP_NONE: return !bIpFormat && nFormat != 3;
    case IDC_CONV_IP_ALL: return bIpFormat;
    case IDC_CONV_IP_SINGLE:
    case IDC_CONV_IP_SUM: return nFormat != 3;
    case IDC_CONV_SINGLE_WINDOW: return nIpMode == 2 && nFormat != 3;
    case IDC_CONV_SUM_FROM:
    case IDC_CONV_SUM_TO: return nIpMode == 3 && nFormat != 3;
    case IDC_CONV_SAMPLE_FROM:
    case IDC_CONV_SAMPLE_TO: return bSampleRangeOn != FALSE;
    case IDC_CONV_USE_GEOMETRY: return !bIgnoreGeometry;
    case IDC_CONV_GEOMETRY_FILE: return !bIgnoreGeometry && bUseGeometry;
    case IDC_CONV_X_GRID:
    case IDC_CONV_Y_GRID:
    case IDC_CONV_Z_GRID: return bGridChange != FALSE;
    case IDC_CONV_ADD_COMMENTS:
    case IDC_CONV_SAMPLE_NUMBERS:
    case IDC_CONV_COORDINATE_TYPE:
    case IDC_CONV_OUTPUT_ALL: return bFormat0;
    default: return true;
    }
}

CString CConversionOptions::BuildCommandLine(const CString& strListFile, const CString& strOutputFolder) const
{
    CConversionOptions o = *this;
    o.FitIpModeToFormat();
    auto on = [&o](BOOL bValue, UINT nId) { return bValue && o.IsEnabled(nId); };

    CString line = "D7IZUVI ";
    line += Formatted("-F:%c ", ConversionFormatLetter(o.nFormat));
    if (on(o.bOverwrite, IDC_CONV_OVERWRITE))
        line += "-w ";
    if (on(o.bOutputAll, IDC_CONV_OUTPUT_ALL))
        line += "-L ";
    static const char* const kCoordinates[] = {"", "-z1 ", "-z2 ", "-z3 ", "-z0 "};
    if (o.IsEnabled(IDC_CONV_COORDINATE_TYPE) && o.nCoordinateType >= 1 && o.nCoordinateType <= 4)
        line += kCoordinates[o.nCoordinateType];
    if (on(o.bAddComments, IDC_CONV_ADD_COMMENTS))
        line += "-b ";
    if (on(o.bSampleNumbers, IDC_CONV_SAMPLE_NUMBERS))
        line += "-! ";
    if (on(o.bReverseSign, IDC_CONV_REVERSE_SIGN))
        line += "-N ";
    if (o.bUnconditional) {
        line += "-u ";
    } else {
        if (o.nRejection == 1)
            line += "-n ";
        else if (o.nRejection == 2)
            line += "-p ";
        for (int i = 0; i < 4; ++i)
            if (!o.bChannel[i])
                line += Formatted("-c:%d ", i + 1);
        if (o.bThresholdOn)
            line += Formatted("-t:%.1f ", o.dThreshold);
    }
    if (on(o.bForceResistance, IDC_CONV_FORCE_RESISTANCE))
        line += "-x ";
    // The mode itself follows the format (REX takes no IP data at all).
    if (o.nIpMode == 0)
        line += "-R ";
    else if (o.nIpMode == 2)
        line += Formatted("-i:%d ", o.nSingleWindow);
    else if (o.nIpMode == 3)
        line += Formatted("-s:%d,%d ", std::min(o.nSumFrom, o.nSumTo), std::max(o.nSumFrom, o.nSumTo));
    if (o.bSampleRangeOn)
        line += Formatted("-k:%ld,%ld ", std::min(o.nSampleFrom, o.nSampleTo), std::max(o.nSampleFrom, o.nSampleTo));
    if (on(o.bMarine, IDC_CONV_MARINE))
        line += Formatted("-m:%.2f,%.2f,%.2f,%.2f ", o.dWaterResistivity, o.dLocalDatum, o.dLeftLimit, o.dRightLimit);
    if (o.bGridChange)
        line += Formatted("-g:%.2f,%.2f,%.2f ", o.dGridX, o.dGridY, o.dGridZ);
    if (o.bIgnoreGeometry)
        line += "-G:off";
    else if (o.bUseGeometry)
        line += "-G:" + QuoteArgument(o.strGeometryFile);
    if (!strListFile.IsEmpty())
        line += " @" + QuoteArgument(OsFile::ShortPath(strListFile));
    line += " " + QuoteArgument(OsFile::ShortPath(strOutputFolder));
    return line;
}

bool CConversionOptions::Validate(const std::function<bool(const CString&)>& fileExists, Problem& problem) const
{
    CConversionOptions o = *this;
    o.FitIpModeToFormat();
    auto fail = [&problem](const CString& strMessage, HostIcon icon) {
        problem.strMessage = strMessage;
        problem.icon = icon;
        return false;
    };
    if (o.IsEnabled(IDC_CONV_SUM_FROM) && o.nSumFrom > o.nSumTo)
        return fail(Formatted("IP time window #1 (=%d) must be smaller\nthan IP time window #2 (=%d)!", o.nSumFrom,
                              o.nSumTo),
                    HostIcon::Stop);
    if (o.IsEnabled(IDC_CONV_LEFT_LIMIT) && o.dLeftLimit > o.dRightLimit)
        return fail(Formatted("Water left limit (= %.2f m) must be smaller\nthan water right limit (=%.2f m)!",
                              o.dLeftLimit, o.dRightLimit),
                    HostIcon::Stop);
    if (o.IsEnabled(IDC_CONV_GEOMETRY_FILE) && o.strGeometryFile.IsEmpty())
        return fail("Please specify a geometry file!", HostIcon::Exclamation);
    if (o.IsEnabled(IDC_CONV_GEOMETRY_FILE) && !fileExists(o.strGeometryFile))
        return fail(Formatted("Specified geometry file \"%s\" does not exist!",
                              static_cast<LPCTSTR>(o.strGeometryFile)),
                    HostIcon::Stop);
    if (o.bSampleRangeOn && o.nSampleFrom > o.nSampleTo)
        return fail(Formatted("Invalid sample range: [%ld,%ld]!", o.nSampleFrom, o.nSampleTo), HostIcon::Stop);
    return true;
}

CString CConversionOptions::ChangeNotice() const
{
    if (!bReverseSign && !bGridChange && !bForceResistance)
        return CString();
    CString strNotice;
    unsigned nItem = 1;
    if (bReverseSign)
        strNotice = Formatted("\n%u) All data will be multplied by -1.\n", nItem++);
    if (bGridChange)
        strNotice = Formatted("%s\n%u) The grid spacing(s) will be changed.\n    X-grid ===> %.2f m\n"
                              "    Y-grid ===> %.2f m\n    Z-grid ===> %.2f m\n",
                              static_cast<LPCTSTR>(strNotice), nItem++, dGridX, dGridY, dGridZ);
    if (bForceResistance)
        strNotice = Formatted("%s\n%u) Data values will be converted to resistance\n"
                              "    instead of apparent resistivity.\n",
                              static_cast<LPCTSTR>(strNotice), nItem++);
    return Formatted("%s\nContinue?", static_cast<LPCTSTR>(strNotice));
}

CConversionProfileSnapshot::CConversionProfileSnapshot(CProfileStore& profile)
    : m_profile(profile)
{
    const int nAbsent = INT_MIN;
    const UINT nFormat = profile.GetInt(kFormatSection, kFormatKey, nAbsent);
    m_bHasFormat = nFormat != static_cast<UINT>(nAbsent);
    m_nFormat = nFormat;
    // A value no key holds marks a key that is not there.
    const char kMissing[] = "\x01missing";
    for (int nFormatIndex = 0; nFormatIndex < kConversionFormatCount; ++nFormatIndex)
        for (const KeyDefault& key : kKeys) {
            const CString strValue = profile.GetString(ConversionFormatName(nFormatIndex), key.pszKey, kMissing);
            m_values[{ConversionFormatName(nFormatIndex), key.pszKey}] = {strValue != kMissing, strValue};
        }
}

void CConversionProfileSnapshot::Restore()
{
    if (m_bHasFormat)
        m_profile.WriteInt(kFormatSection, kFormatKey, static_cast<int>(m_nFormat));
    else
        m_profile.WriteString(kFormatSection, kFormatKey, nullptr);
    for (const auto& entry : m_values)
        m_profile.WriteString(entry.first.first, entry.first.second,
                              entry.second.first ? static_cast<LPCTSTR>(entry.second.second) : nullptr);
}
