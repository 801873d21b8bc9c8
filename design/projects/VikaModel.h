// The model of a Vika protocol project: its folders and eight list columns,
// the Vika records and rows, and the order of the list.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolModel.h"

class CVikaProtocolInfo;

class CVikaModel : public CProtocolModel
{
    DECLARE_SERIAL(CVikaModel)

public:
    CVikaModel();
    ~CVikaModel() override;

    PFNPROTOCOLCOMPARE GetCompareFunc() override;
    CProtocolItem* CreateItem() override;
    CProtocolInfo* CreateInfo(LPCTSTR pszFolder, LPCTSTR pszName) override;
    BOOL AddByFileName(LPCTSTR pszName) override;

    // Deletes the three section files of a protocol; missing ones are passed over.
    static void DeleteProtocolFiles(const CString& strFolder, const CString& strName);
    // The list's sort callback: lParam1 and lParam2 are rows, lParamSort the model.
    static int CALLBACK CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    // The order of two records under the model's sort column and direction.
    int CompareInfos(CVikaProtocolInfo& info1, CVikaProtocolInfo& info2);
};
