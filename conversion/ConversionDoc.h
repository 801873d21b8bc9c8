// The document of a data conversion project (".dcv"): it owns a conversion
// model and saves and loads through it.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolDoc.h"
#include "conversion/ConversionModel.h"

class CConversionDoc : public CProtocolDoc
{
    DECLARE_DYNCREATE(CConversionDoc)

public:
    CConversionDoc();
    ~CConversionDoc() override;

    void Serialize(CArchive& ar) override;
    // Opens the project and names, in one message, the data files it lists
    // that cannot be read.
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    CConversionModel* GetConversionModel() const { return static_cast<CConversionModel*>(m_pModel); }

protected:
    DECLARE_MESSAGE_MAP()
};
