// One row of a conversion project's list: observes its data-file record and
// writes the record's facts into the row's cells, column by column as the
// project's column map places them.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolItem.h"

class CConversionInfo;

class CConversionItem : public CProtocolItem
{
public:
    CConversionItem() = default;
    ~CConversionItem() override;

    void OnUpdate(rw::ISubject* pSubject, rw::Hint hint) override;
    void SetIndex(int nRow) override;
    CProtocolInfo* GetSubject() override;

    CConversionInfo* GetInfo();

protected:
    // Puts one cell's text into the owner list (nothing without a list window).
    virtual void SetCellText(int nColumn, const CString& strText);
};
