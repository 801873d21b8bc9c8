#include "framework/Framework.h"
#include "app/dialogs/FileTitleExchange.h"
#include "app/dialogs/FileTitleRules.h"

void DDV_FileTitle(CDataExchange* pDX, const CString& strValue)
{
    if (!pDX->m_bSaveAndValidate)
        return;
    const CString strProblem = FileTitleProblem(strValue);
    if (strProblem.IsEmpty())
        return;
    AfxMessageBox(strProblem, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}
