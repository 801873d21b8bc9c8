#include "framework/Framework.h"
#include "conversion/ConversionDoc.h"

IMPLEMENT_DYNCREATE(CConversionDoc, CProtocolDoc)

BEGIN_MESSAGE_MAP(CConversionDoc, CProtocolDoc)
END_MESSAGE_MAP()

CConversionDoc::CConversionDoc()
    : CProtocolDoc(new CConversionModel)
{
}

CConversionDoc::~CConversionDoc() = default;

void CConversionDoc::Serialize(CArchive& ar)
{
    m_pModel->Serialize(ar);
}
