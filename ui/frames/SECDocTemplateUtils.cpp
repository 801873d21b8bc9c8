#include "ui/frames/SECDocTemplateUtils.h"

#include "ui/frames/TemplateChooser.h"

namespace {

CDocManager* DocManager()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr ? pApp->m_pDocManager : nullptr;
}

} // namespace

CString SECDocTemplateUtils::FileTypeIdOf(CDocTemplate* pTemplate)
{
    CString strId;
    pTemplate->GetDocString(strId, CDocTemplate::regFileTypeId);
    return strId;
}

BOOL SECDocTemplateUtils::GetAllTemplates(TemplateList& list)
{
    CDocManager* pManager = DocManager();
    if (pManager == nullptr)
        return FALSE;
    POSITION pos = pManager->GetFirstDocTemplatePosition();
    while (pos != nullptr)
        list.push_back(pManager->GetNextDocTemplate(pos));
    return TRUE;
}

int SECDocTemplateUtils::GetFrameClassIndex(CRuntimeClass* /*pFrameClass*/)
{
    return 0;
}

CRuntimeClass* SECDocTemplateUtils::GetFrameClass(CDocTemplate* pTemplate, int nIndex)
{
    return nIndex == 0 ? pTemplate->m_pFrameClass : nullptr;
}

UINT SECDocTemplateUtils::GetFrameResourceID(CFrameWnd* pFrame)
{
    return pFrame != nullptr ? pFrame->m_nIDHelp : 0;
}

int SECDocTemplateUtils::GetTemplateIndex(CDocTemplate* pTemplate, const CString& strFileTypeId)
{
    TemplateList list;
    if (pTemplate == nullptr || !GetAllTemplates(list))
        return -1;
    std::vector<TemplateFacts> facts;
    for (CDocTemplate* p : list)
        facts.push_back(TemplateFacts{p, nullptr, nullptr, nullptr, 0, FileTypeIdOf(p)});
    return TemplateIndexOfType(facts, pTemplate, strFileTypeId);
}

CDocTemplate* SECDocTemplateUtils::GetTemplateByIndex(const CString& strFileTypeId, int nIndex)
{
    TemplateList list;
    if (!GetAllTemplates(list))
        return nullptr;
    std::vector<TemplateFacts> facts;
    for (CDocTemplate* p : list)
        facts.push_back(TemplateFacts{p, nullptr, nullptr, nullptr, 0, FileTypeIdOf(p)});
    return (CDocTemplate*)TemplateOfTypeAt(facts, strFileTypeId, nIndex);
}

CDocTemplate* SECDocTemplateUtils::FindTemplate(CDocument* pDoc, CView* pView, CFrameWnd* pFrame)
{
    TemplateList list;
    if (pDoc == nullptr || pView == nullptr || pFrame == nullptr || !GetAllTemplates(list))
        return nullptr;
    CRuntimeClass* pFrameClass = pFrame->GetRuntimeClass();
    int nFrameIndex = GetFrameClassIndex(pFrameClass);
    std::vector<TemplateFacts> facts;
    for (CDocTemplate* p : list)
        facts.push_back(TemplateFacts{p, p->m_pDocClass, p->m_pViewClass, GetFrameClass(p, nFrameIndex), p->m_nIDResource, CString()});
    TemplateQuery query;
    query.pDocTemplate = pDoc->GetDocTemplate();
    query.pDocClass = pDoc->GetRuntimeClass();
    query.pViewClass = pView->GetRuntimeClass();
    query.pFrameClass = pFrameClass;
    query.nFrameResource = GetFrameResourceID(pFrame);
    return (CDocTemplate*)ChooseTemplate(facts, query);
}
