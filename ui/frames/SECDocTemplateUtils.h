// Questions about the application's document templates: which template made
// a document, view and frame; a template's position among those of its
// file type, and the template at such a position. The frames use it to
// show the menu of the frame that becomes active. Stateless; made on the
// stack where needed.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/TemplateChooser.h"

#include <list>
#include <vector>

class SECDocTemplateUtils
{
public:
    using TemplateList = std::list<CDocTemplate*>;

    virtual ~SECDocTemplateUtils() = default;

    // -1 when pTemplate is NULL or not registered, or there is no document manager.
    virtual int GetTemplateIndex(CDocTemplate* pTemplate, const CString& strFileTypeId);
    // The nIndex-th template of the file type, else the last of it; NULL for none.
    virtual CDocTemplate* GetTemplateByIndex(const CString& strFileTypeId, int nIndex);
    // NULL unless all three are given.
    virtual CDocTemplate* FindTemplate(CDocument* pDoc, CView* pView, CFrameWnd* pFrame);
    virtual UINT GetFrameResourceID(CFrameWnd* pFrame);
    // Every template of the application, appended; FALSE without a document manager.
    virtual BOOL GetAllTemplates(TemplateList& list);
    // The steps of FindTemplate. Each keeps the matching templates in place;
    // a NULL argument leaves the list as it is and gives FALSE.
    virtual BOOL FilterByViewAndFrame(TemplateList& list, CView* pView, CFrameWnd* pFrame);
    virtual BOOL FilterByFrameResource(TemplateList& list, CFrameWnd* pFrame);
    virtual BOOL FilterByDocument(TemplateList& list, CDocument* pDoc);
    // TRUE with the only template, or NULL for an empty list; FALSE for several.
    virtual BOOL GetSingle(TemplateList& list, CDocTemplate*& pResult);

protected:
    virtual int GetFrameClassIndex(CRuntimeClass* pFrameClass);
    virtual CRuntimeClass* GetFrameClass(CDocTemplate* pTemplate, int nIndex);

private:
    static CString FileTypeIdOf(CDocTemplate* pTemplate);
    std::vector<TemplateFacts> FactsOf(const TemplateList& list, CRuntimeClass* pFrameClass);
    static void KeepOnly(TemplateList& list, const std::vector<TemplateFacts>& facts);
};
