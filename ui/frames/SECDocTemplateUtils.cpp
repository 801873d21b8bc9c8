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

std::vector<TemplateFacts> SECDocTemplateUtils::FactsOf(const TemplateList& list, CRuntimeClass* pFrameClass)
{
    const int nFrameIndex = GetFrameClassIndex(pFrameClass);
    std::vector<TemplateFacts> facts;
    for (CDocTemplate* p : list)
        facts.push_back(TemplateFacts{p, p->m_pDocClass, p->m_pViewClass, GetFrameClass(p, nFrameIndex),
                                      p->m_nIDResource, CString()});
    return facts;
}

void SECDocTemplateUtils::KeepOnly(TemplateList& list, const std::vector<TemplateFacts>& facts)
{
    list.clear();
    for (const TemplateFacts& t : facts)
        list.push_back(static_cast<CDocTemplate*>(const_cast<void*>(t.pTemplate)));
}

BOOL SECDocTemplateUtils::FilterByViewAndFrame(TemplateList& list, CView* pView, CFrameWnd* pFrame)
{
    if (pView == nullptr || pFrame == nullptr)
        return FALSE;
    std::vector<TemplateFacts> facts = FactsOf(list, pFrame->GetRuntimeClass());
    ::FilterByViewAndFrame(facts, pView->GetRuntimeClass(), pFrame->GetRuntimeClass());
    KeepOnly(list, facts);
    return TRUE;
}

BOOL SECDocTemplateUtils::FilterByFrameResource(TemplateList& list, CFrameWnd* pFrame)
{
    if (pFrame == nullptr)
        return FALSE;
    std::vector<TemplateFacts> facts = FactsOf(list, pFrame->GetRuntimeClass());
    ::FilterByFrameResource(facts, GetFrameResourceID(pFrame));
    KeepOnly(list, facts);
    return TRUE;
}

BOOL SECDocTemplateUtils::FilterByDocument(TemplateList& list, CDocument* pDoc)
{
    if (pDoc == nullptr)
        return FALSE;
    std::vector<TemplateFacts> facts = FactsOf(list, nullptr);
    ::FilterByDocument(facts, pDoc->GetRuntimeClass());
    KeepOnly(list, facts);
    return TRUE;
}

BOOL SECDocTemplateUtils::GetSingle(TemplateList& list, CDocTemplate*& pResult)
{
    const void* pSingle = nullptr;
    const bool bSingle = ::GetSingle(FactsOf(list, nullptr), pSingle);
    pResult = static_cast<CDocTemplate*>(const_cast<void*>(pSingle));
    return bSingle ? TRUE : FALSE;
}

// Narrows all templates step by step until one is left; with several still
// left, the document's own template when among them, else the first.
CDocTemplate* SECDocTemplateUtils::FindTemplate(CDocument* pDoc, CView* pView, CFrameWnd* pFrame)
{
    TemplateList list;
    if (pDoc == nullptr || pView == nullptr || pFrame == nullptr || !GetAllTemplates(list))
        return nullptr;
    CDocTemplate* pResult = nullptr;
    if (GetSingle(list, pResult))
        return pResult;
    FilterByViewAndFrame(list, pView, pFrame);
    if (GetSingle(list, pResult))
        return pResult;
    FilterByFrameResource(list, pFrame);
    if (GetSingle(list, pResult))
        return pResult;
    FilterByDocument(list, pDoc);
    if (GetSingle(list, pResult))
        return pResult;
    for (CDocTemplate* p : list) {
        if (p == pDoc->GetDocTemplate())
            return p;
    }
    return list.front();
}
