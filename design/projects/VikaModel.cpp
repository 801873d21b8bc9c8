#include "framework/Portable.h"
#include "design/projects/VikaModel.h"
#include "design/projects/ProjectModelHelpers.h"
#include "design/projects/VikaProtocolInfo.h"
#include "app/project/FolderSettings.h"
#include "design/projects/VikaProtocolItem.h"
#include "framework/HostServices.h"
#include "framework/OsFile.h"

IMPLEMENT_SERIAL(CVikaModel, CProtocolModel, VERSIONABLE_SCHEMA)

namespace {

const ProjectColumn kColumns[] = {
    {1, "Protocol ID", kColumnLeft, 120},  {2, "ORG", kColumnRight, 50},
    {3, "UP", kColumnRight, 50},           {4, "DWN", kColumnRight, 50},
    {5, "Address File", kColumnLeft, 120}, {6, "Channels", kColumnRight, 70},
    {7, "Array", kColumnLeft, 120},        {8, "Geometry File", kColumnLeft, 120},
};

} // namespace

CVikaModel::CVikaModel() : CProtocolModel(256)
{
    CProfileStore& profile = GetHostServices().Profile();
    SetSourceFolder(CFolderSettings::Read(profile, "VikaProtocols",
                                          CFolderSettings::Default(CFolderSettings::VikaProtocols)));
    m_strTargetFolder = CFolderSettings::Read(profile, "Embedded", "C:\\GVX7000\\Embedded\\");
    FillColumns(m_columns, kColumns);
}

CVikaModel::~CVikaModel() = default;

PFNPROTOCOLCOMPARE CVikaModel::GetCompareFunc()
{
    return &CVikaModel::CompareItems;
}

CProtocolItem* CVikaModel::CreateItem()
{
    return new CVikaProtocolItem;
}

CProtocolInfo* CVikaModel::CreateInfo(LPCTSTR pszFolder, LPCTSTR pszName)
{
    return MakeRecord<CVikaProtocolInfo>(pszFolder, pszName);
}

BOOL CVikaModel::AddByFileName(LPCTSTR pszName)
{
    return AddRecordByName(*this, pszName);
}

void CVikaModel::DeleteProtocolFiles(const CString& strFolder, const CString& strName)
{
    for (int nKind = VikaOrg; nKind <= VikaDwn; ++nKind) {
        OsFile::Error error;
        OsFile::Remove(strFolder + strName + g_strVikaExtensions[nKind], error);
    }
}

int CALLBACK CVikaModel::CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    return CompareProjectRows<CVikaModel, CVikaProtocolInfo>(lParam1, lParam2, lParamSort);
}

int CVikaModel::CompareInfos(CVikaProtocolInfo& info1, CVikaProtocolInfo& info2)
{
    const int nKey = GetSortColumn();
    int nOrder = 0;
    CString strName1, strName2;
    switch (nKey) {
    case 0:
        nOrder = CompareNoCase(info1.GetName(), info2.GetName());
        break;
    case 1:
        nOrder = CompareCounts(info1.GetOrgCount(), info2.GetOrgCount());
        break;
    case 2:
        nOrder = CompareCounts(info1.GetUpCount(), info2.GetUpCount());
        break;
    case 3:
        nOrder = CompareCounts(info1.GetDwnCount(), info2.GetDwnCount());
        break;
    case 4:
        nOrder = CompareNoCase(info1.GetAddressFile(), info2.GetAddressFile());
        break;
    case 5:
        nOrder = CompareCounts(info1.GetChannels(), info2.GetChannels());
        break;
    case 6:
        info1.GetArrayName(strName1);
        info2.GetArrayName(strName2);
        nOrder = CompareNoCase(strName1, strName2);
        break;
    case 7:
        nOrder = CompareNoCase(info1.GetGeometryFile(), info2.GetGeometryFile());
        break;
    default:
        return 0;
    }
    return nOrder * GetSortDirection(static_cast<UINT>(nKey));
}
