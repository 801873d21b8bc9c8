#include "framework/Framework.h"
#include "conversion/ConversionDoc.h"
#include "framework/HostServices.h"

IMPLEMENT_DYNCREATE(CConversionDoc, CProtocolDoc)

BEGIN_MESSAGE_MAP(CConversionDoc, CProtocolDoc)
END_MESSAGE_MAP()

CConversionDoc::CConversionDoc()
    : CProtocolDoc(new CConversionModel)
{
}

CConversionDoc::~CConversionDoc() = default;

BOOL CConversionDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    if (!CProtocolDoc::OnOpenDocument(lpszPathName))
        return FALSE;
    const CString strReport = GetConversionModel()->UnreadableFilesReport();
    if (!strReport.IsEmpty())
        GetHostServices().ReportError(strReport, HostIcon::Exclamation);
    return TRUE;
}

void CConversionDoc::Serialize(CArchive& ar)
{
    m_pModel->Serialize(ar);
}
