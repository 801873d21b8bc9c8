#include "framework/Portable.h"
#include "design/projects/PolyvectModel.h"
#include "design/projects/ProjectModelHelpers.h"
#include "design/projects/PolyvectProtocolInfo.h"
#include "design/projects/PolyvectProtocolItem.h"
#include "app/project/FolderSettings.h"
#include "framework/HostServices.h"

IMPLEMENT_SERIAL(CPolyvectModel, CProtocolModel, VERSIONABLE_SCHEMA)

namespace {

const ProjectColumn kColumns[] = {
    {1, "Protocol ID", kColumnLeft, 100},
    {2, "Array", kColumnRight, 100},
    {3, "Geometry File", kColumnRight, 100},
    {4, "No. of Items", kColumnRight, 80},
};

} // namespace

CPolyvectModel::CPolyvectModel() : CProtocolModel(256)
{
    CProfileStore& profile = GetHostServices().Profile();
    SetSourceFolder(CFolderSettings::Read(profile, "PolyvectProtocols", "C:\\GVX7000\\POLYVECT\\"));
    SetTargetFolder(CFolderSettings::Read(profile, "Embedded", "C:\\GVX7000\\Embedded\\"));
    FillColumns(m_columns, kColumns);
}

CPolyvectModel::~CPolyvectModel() = default;

PFNPROTOCOLCOMPARE CPolyvectModel::GetCompareFunc()
{
    return &CPolyvectModel::CompareItems;
}

CProtocolItem* CPolyvectModel::CreateItem()
{
    return new CPolyvectProtocolItem;
}

CProtocolInfo* CPolyvectModel::CreateInfo(LPCTSTR pszFolder, LPCTSTR pszName)
{
    return MakeRecord<CPolyvectProtocolInfo>(pszFolder, pszName);
}

BOOL CPolyvectModel::AddByFileName(LPCTSTR pszName)
{
    return AddRecordByName(*this, pszName);
}

int CALLBACK CPolyvectModel::CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    return CompareProjectRows<CPolyvectModel, CPolyvectProtocolInfo>(lParam1, lParam2, lParamSort);
}

int CPolyvectModel::CompareInfos(CPolyvectProtocolInfo& info1, CPolyvectProtocolInfo& info2)
{
    const int nKey = GetSortColumn();
    int nOrder = 0;
    CString strName1, strName2;
    switch (nKey) {
    case 0:
        nOrder = CompareNoCase(info1.GetName(), info2.GetName());
        break;
    case 1:
        info1.GetArrayName(strName1);
        info2.GetArrayName(strName2);
        nOrder = CompareNoCase(strName1, strName2);
        break;
    case 2:
        nOrder = CompareNoCase(info1.GetGeometryFile(), info2.GetGeometryFile());
        break;
    case 3:
        nOrder =
            CompareCounts(static_cast<UINT>(info1.GetItemCount()), static_cast<UINT>(info2.GetItemCount()));
        break;
    default:
        return 0;
    }
    return nOrder * GetSortDirection(static_cast<UINT>(nKey));
}
