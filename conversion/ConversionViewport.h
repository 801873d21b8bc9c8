// The form view of a data conversion project: the list of data files with
// their status icons, the output folder and the count of files loaded. Its
// controller carries the project's commands.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolViewport.h"
#include "conversion/ConversionModel.h"

class CConversionViewport : public CProtocolViewport
{
    DECLARE_DYNCREATE(CConversionViewport)

public:
    CConversionViewport();
    ~CConversionViewport() override;

    void OnInitialUpdate() override;
    // Rebuilds the rows; records taken out of the model go with their rows.
    void RefreshList() override;
    CProtocolListCtrl& GetListCtrl() override;
    virtual void SetFileCount(UINT nFiles);
    BOOL CreateController() override;

    CConversionModel* GetConversionModel() const { return dynamic_cast<CConversionModel*>(GetModel()); }
    const CString& GetFileCountText() const { return m_strFileCount; }

protected:
    CString m_strFileCount;
};
