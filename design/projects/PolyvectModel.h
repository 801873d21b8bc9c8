// The model of a Polyvect protocol project: folders, four list columns, the
// Polyvect records and rows and the list's order.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolModel.h"

class CPolyvectProtocolInfo;

class CPolyvectModel : public CProtocolModel
{
    DECLARE_SERIAL(CPolyvectModel)

public:
    CPolyvectModel();
    ~CPolyvectModel() override;

    PFNPROTOCOLCOMPARE GetCompareFunc() override;
    CProtocolItem* CreateItem() override;
    CProtocolInfo* CreateInfo(LPCTSTR pszFolder, LPCTSTR pszName) override;
    BOOL AddByFileName(LPCTSTR pszName) override;

    static int CALLBACK CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    int CompareInfos(CPolyvectProtocolInfo& info1, CPolyvectProtocolInfo& info2);
};
