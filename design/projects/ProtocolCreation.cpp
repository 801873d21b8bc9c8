#include "framework/Portable.h"
#include "design/projects/ProtocolCreation.h"
#include "design/projects/VikaModel.h"
#include "design/projects/VikaProtocolInfo.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"
#include "design/VikaProtocolSkipList.h"
#include "framework/HostServices.h"
#include "framework/OsFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

bool PathExists(const CString& strPath)
{
    DWORD dwAttributes = 0;
    return OsFile::GetAttributes(strPath, dwAttributes);
}

} // namespace

void CVikaProtocolCreation::ParseIndex(const CString& strIndex)
{
    int* const fields[] = {&m_nLargest,    &m_aLargest,   &m_nSmallest,       &m_aSmallest,
                           &m_nArrayIndex, &m_bCreateDwn, &m_bCreateOrg,      &m_bCreateUp,
                           &m_nChannels,   &m_nLayout,    &m_bSinglePolePole, &m_bAddToProject};
    int values[12];
    const int nRead = std::sscanf(strIndex, "%d %d %d %d %d %d %d %d %d %d %d %d", &values[0], &values[1],
                                  &values[2], &values[3], &values[4], &values[5], &values[6], &values[7],
                                  &values[8], &values[9], &values[10], &values[11]);
    for (int i = 0; i < nRead && i < 12; ++i)
        *fields[i] = values[i];
}

CString CVikaProtocolCreation::FormatIndex() const
{
    CString strIndex;
    strIndex.Format("%d %d %d %d %d %d %d %d %d %d %d %d", m_nLargest, m_aLargest, m_nSmallest, m_aSmallest,
                    m_nArrayIndex, m_bCreateDwn, m_bCreateOrg, m_bCreateUp, m_nChannels, m_nLayout,
                    m_bSinglePolePole, m_bAddToProject);
    return strIndex;
}

void CVikaProtocolCreation::Load()
{
    CProfileStore& profile = GetHostServices().Profile();
    ParseIndex(profile.GetString(kSection, "Index", kDefaultIndex));
    m_strProtocolId = profile.GetString(kSection, "ProtocolID", "");
    m_strAddressFile = profile.GetString(kSection, "AddressFile", "");
}

void CVikaProtocolCreation::Save() const
{
    CProfileStore& profile = GetHostServices().Profile();
    profile.WriteString(kSection, "Index", FormatIndex());
    profile.WriteString(kSection, "ProtocolID", m_strProtocolId);
    profile.WriteString(kSection, "AddressFile", m_strAddressFile);
}

BOOL CVikaProtocolCreation::UsesN(int nArrayCode)
{
    return nArrayCode == 5 || nArrayCode == 6 || nArrayCode == 10 || nArrayCode == 13;
}

BOOL CVikaProtocolCreation::HasCommandPattern(int nArrayCode)
{
    if (nArrayCode < 0)
        return FALSE;
    std::unique_ptr<ElectrodeLayout> pLayout = CreateElectrodeLayout(static_cast<UINT>(nArrayCode), nullptr);
    return pLayout && !dynamic_cast<PatternlessLayout*>(pLayout.get());
}

BOOL CVikaProtocolCreation::AllowsChannels(int nArrayCode)
{
    return UsesN(nArrayCode) || nArrayCode == ArrayPolePole || nArrayCode == ArrayPotential;
}

int CVikaProtocolCreation::MinA() const
{
    return std::min(m_aSmallest, m_aLargest);
}
int CVikaProtocolCreation::MaxA() const
{
    return std::max(m_aSmallest, m_aLargest);
}
int CVikaProtocolCreation::MinN() const
{
    return UsesN() ? std::min(m_nSmallest, m_nLargest) : 1;
}
int CVikaProtocolCreation::MaxN() const
{
    return UsesN() ? std::max(m_nSmallest, m_nLargest) : 1;
}

BOOL CVikaProtocolCreation::IsSectionChosen(int nSection) const
{
    const int chosen[3] = {m_bCreateOrg, m_bCreateUp, m_bCreateDwn};
    return nSection >= 0 && nSection < 3 && chosen[nSection];
}

void CVikaProtocolCreation::Configure(CVikaProtocolGenerator& generator, const CString& strFolder,
                                      CVikaProtocolSkipList* pSkipList) const
{
    generator.SetFolder(strFolder);
    generator.SetName(m_strProtocolId);
    generator.SetAddressPath(strFolder + m_strAddressFile + g_strVikaExtensions[VikaAdr]);
    generator.SetGeometryName(m_strGeometryFile);
    generator.SetSpacingRange(MinA(), MaxA());
    generator.SetLevelRange(MinN(), MaxN());
    generator.SetChannels(m_nChannels);
    generator.SetArrayCode(m_nArrayIndex);
    generator.SetReverse(m_nLayout == 1);
    generator.SetPoleMerge(m_nArrayIndex == ArrayPolePole ? m_bSinglePolePole : FALSE);
    generator.SetSkipList(pSkipList && !pSkipList->IsEmpty() ? pSkipList : nullptr);
    generator.SetWriteFiles(TRUE);
}

ProtocolCreationResult RunProtocolCreation(const CVikaProtocolCreation& settings, const CString& strFolder,
                                           CVikaProtocolSkipList* pSkipList, std::function<bool()> cancel,
                                           BOOL bSilent)
{
    ProtocolCreationResult result;
    const CString strAddressPath = strFolder + settings.m_strAddressFile + g_strVikaExtensions[VikaAdr];
    CVikaAddressMap map(strAddressPath);
    if (map.m_nElectrodes == 0) {
        result.strError = "The address file " + strAddressPath + " holds no electrodes.";
        return result;
    }
    std::unique_ptr<CVikaAddressMap> pRedundancy;
    const CString strRedundancyPath = strFolder + settings.m_strRedundancyFile + g_strVikaExtensions[VikaAdr];
    if (!settings.m_strRedundancyFile.IsEmpty() && settings.m_strRedundancyFile.Find("<none>") < 0 &&
        PathExists(strRedundancyPath))
        pRedundancy = std::make_unique<CVikaAddressMap>(strRedundancyPath);
    CString strLayoutError;
    std::unique_ptr<ElectrodeLayout> pLayout =
        CreateElectrodeLayout(static_cast<UINT>(settings.m_nArrayIndex), &strLayoutError);
    if (!pLayout) {
        result.strError = strLayoutError;
        return result;
    }

    CVikaProtocolGenerator generator;
    settings.Configure(generator, strFolder, pSkipList);
    generator.SetSilent(bSilent);
    generator.SetCancelCheck(std::move(cancel));

    CVikaModel::DeleteProtocolFiles(strFolder, settings.m_strProtocolId);
    int nTotal = 0;
    for (int nSection = 0; nSection < 3; ++nSection) {
        if (!settings.IsSectionChosen(nSection))
            continue;
        CVikaCommandArray commands;
        const int nCount = generator.Generate(commands, map, pRedundancy.get(), *pLayout, nSection);
        if (nCount < 0) {
            CVikaModel::DeleteProtocolFiles(strFolder, settings.m_strProtocolId);
            result.outcome = nCount == CVikaProtocolGenerator::Cancelled ? ProtocolCreationResult::Cancelled
                                                                         : ProtocolCreationResult::Failed;
            return result;
        }
        result.counts[nSection] = nCount;
        result.bSomeChosenEmpty |= nCount == 0;
        nTotal += nCount;
    }
    if (nTotal == 0) {
        CVikaModel::DeleteProtocolFiles(strFolder, settings.m_strProtocolId);
        result.outcome = ProtocolCreationResult::NothingGenerated;
        return result;
    }
    result.outcome = ProtocolCreationResult::Created;
    return result;
}
