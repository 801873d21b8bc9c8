#include "framework/Framework.h"
#include "design/projects/VikaDoc.h"
#include "design/projects/VikaModel.h"

IMPLEMENT_DYNCREATE(CVikaDoc, CProtocolDoc)

CVikaDoc::CVikaDoc() : CProtocolDoc(new CVikaModel)
{
}

CVikaDoc::~CVikaDoc() = default;

void CVikaDoc::Serialize(CArchive& ar)
{
    m_pModel->Serialize(ar);
}

BOOL CVikaDoc::OnNewDocument()
{
    return CProtocolDoc::OnNewDocument();
}
