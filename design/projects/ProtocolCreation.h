// What the protocol creation dialog collects, how it is remembered in the
// profile, and the run that turns it into section files through the
// generator. The dialog only moves values between this and its controls.
#pragma once

#include "framework/Portable.h"

#include <functional>

class CVikaProtocolGenerator;
class CVikaProtocolSkipList;

class CVikaProtocolCreation
{
public:
    static constexpr const char* kSection = "VikaProtocolCreation";
    static constexpr const char* kDefaultIndex = "1 1 10 10 -1 1 1 1 1 0 0 1";

    // The twelve "Index" values, in profile order.
    int m_nLargest = 8;
    int m_aLargest = 12;
    int m_nSmallest = 1;
    int m_aSmallest = 1;
    int m_nArrayIndex = -1;
    int m_bCreateDwn = 1;
    int m_bCreateOrg = 1;
    int m_bCreateUp = 1;
    int m_nChannels = 1;
    int m_nLayout = 0;
    int m_bSinglePolePole = 0;
    int m_bAddToProject = 1;
    CString m_strProtocolId;
    CString m_strAddressFile;
    CString m_strRedundancyFile = "<none>";
    CString m_strGeometryFile = "<none>";

    void ParseIndex(const CString& strIndex);
    CString FormatIndex() const;
    void Load();
    void Save() const;

    // Dipole-dipole, pole-dipole, Schlumberger and equatorial dipole-dipole.
    static BOOL UsesN(int nArrayCode);
    // Types without a command pattern generate nothing and are not offered.
    static BOOL HasCommandPattern(int nArrayCode);
    // Channels can be chosen for the types that use n, pole-pole and potential.
    static BOOL AllowsChannels(int nArrayCode);
    BOOL UsesN() const { return UsesN(m_nArrayIndex); }

    // The ranges the generator runs: smaller to larger of each pair; n is 1
    // to 1 for types that do not use it.
    int MinA() const;
    int MaxA() const;
    int MinN() const;
    int MaxN() const;

    BOOL IsSectionChosen(int nSection) const;
    // Sets the generator up for the folder, the chosen values and the skip
    // list (used only when it holds a pair).
    void Configure(CVikaProtocolGenerator& generator, const CString& strFolder,
                   CVikaProtocolSkipList* pSkipList) const;
};

// What a creation run produced.
struct ProtocolCreationResult
{
    enum Outcome { Created, NothingGenerated, Cancelled, Failed };
    Outcome outcome = Failed;
    int counts[3] = {}; // ORG, UP, DWN; 0 for a section not chosen
    BOOL bSomeChosenEmpty = FALSE;
    CString strError;
};

// Loads the maps and the layout and generates the chosen sections into the
// folder. Old section files of the ID that are not generated are removed,
// so no stale section is left beside the new ones. A cancelled or failed
// run leaves no section file of the ID behind.
ProtocolCreationResult RunProtocolCreation(const CVikaProtocolCreation& settings, const CString& strFolder,
                                           CVikaProtocolSkipList* pSkipList, std::function<bool()> cancel,
                                           BOOL bSilent);
