// The conversion options of one output format: what the options dialog
// edits, how they are kept in the profile (one section per format), which
// of the dialog's controls are enabled, the checks before a run and the
// converter's command line. The dialog itself only moves values between
// these fields and its controls.
#pragma once

#include "framework/Portable.h"
#include "framework/HostServices.h"

#include <functional>
#include <map>
#include <utility>

constexpr int kConversionFormatCount = 7;
constexpr long kMaxSampleNumber = 1048576;
// The converter reads at most this many characters of its command line.
constexpr int kMaxConverterCommandLine = 127;

// Display name (also the profile section), letter and extension of a format;
// an index outside 0-6 gives a blank letter and an empty extension.
LPCTSTR ConversionFormatName(int nFormat);
char ConversionFormatLetter(int nFormat);
LPCTSTR ConversionOutputExtension(int nFormat);
// Whether a format lets the user set the option of a control.
bool IsApplicable(int nFormat, UINT nControlId);

// A path as one argument of a command line: quoted when it holds blanks.
CString QuoteArgument(const CString& strArgument);

class CConversionOptions
{
public:
    int nFormat = 0;
    BOOL bOverwrite = FALSE;
    BOOL bUnconditional = FALSE;
    int nRejection = 1;              // 0 none, 1 negative, 2 positive
    BOOL bThresholdOn = FALSE;
    double dThreshold = 2.5;
    BOOL bForceResistance = FALSE;
    int nSingleWindow = 1;
    int nSumFrom = 1;
    int nSumTo = 10;
    BOOL bChannel[4] = {TRUE, TRUE, TRUE, TRUE};
    BOOL bMarine = FALSE;
    double dLocalDatum = 0;
    double dLeftLimit = 0;
    double dWaterResistivity = 89.0;
    double dRightLimit = 0;
    BOOL bAddComments = FALSE;
    BOOL bUseGeometry = FALSE;
    CString strGeometryFile;
    int nIpMode = 1;                 // 0 none, 1 all, 2 single window, 3 sum
    BOOL bSampleNumbers = FALSE;
    BOOL bSampleRangeOn = FALSE;
    long nSampleTo = kMaxSampleNumber;
    long nSampleFrom = 1;
    int nCoordinateType = 0;         // Index, X, XY, XYZ, electrode numbers
    BOOL bOutputAll = FALSE;
    BOOL bGridChange = FALSE;
    double dGridX = 2.0;
    double dGridY = 2.0;
    double dGridZ = 2.0;
    BOOL bReverseSign = FALSE;
    BOOL bTimeStamp = TRUE;
    BOOL bIgnoreGeometry = FALSE;

    // The current format's section; with bReadFormat the format comes from
    // "Output Format"/"Format Code" first. Out-of-range values are clamped.
    void LoadProfile(CProfileStore& profile, bool bReadFormat);
    void SaveProfile(CProfileStore& profile) const;

    // The IP mode the format allows: all time windows need the formats
    // that take them, REX takes none.
    void FitIpModeToFormat();
    // Whether a control of the dialog is enabled for these values.
    bool IsEnabled(UINT nControlId) const;

    // The converter's command line: switches of enabled controls only, the
    // list file (when given) after "@", then the output folder.
    CString BuildCommandLine(const CString& strListFile, const CString& strOutputFolder) const;
    LPCTSTR GetOutputExtension() const { return ConversionOutputExtension(nFormat); }

    // The first check that fails, for the options that are enabled.
    struct Problem
    {
        CString strMessage;
        HostIcon icon = HostIcon::Stop;
    };
    bool Validate(const std::function<bool(const CString&)>& fileExists, Problem& problem) const;
    // The question before options that change the data; empty when none.
    CString ChangeNotice() const;
};

// Every format's section and the format code as they stand, to be put back
// when the user cancels the dialog.
class CConversionProfileSnapshot
{
public:
    explicit CConversionProfileSnapshot(CProfileStore& profile);
    void Restore();

private:
    CProfileStore& m_profile;
    bool m_bHasFormat = false;
    UINT m_nFormat = 0;
    std::map<std::pair<CString, CString>, std::pair<bool, CString>> m_values;
};
