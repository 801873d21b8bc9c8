#include "framework/Framework.h"
#include "design/projects/PolyvectDoc.h"
#include "design/projects/PolyvectModel.h"

IMPLEMENT_DYNCREATE(CPolyvectDoc, CProtocolDoc)

CPolyvectDoc::CPolyvectDoc() : CProtocolDoc(new CPolyvectModel)
{
}

CPolyvectDoc::~CPolyvectDoc() = default;

void CPolyvectDoc::Serialize(CArchive& ar)
{
    m_pModel->Serialize(ar);
}

BOOL CPolyvectDoc::OnNewDocument()
{
    return CProtocolDoc::OnNewDocument();
}
