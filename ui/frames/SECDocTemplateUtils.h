// Questions about the application's document templates: which template made
// a document, view and frame; a template's position among those of its
// file type, and the template at such a position. The frames use it to
// show the menu of the frame that becomes active. Stateless; made on the
// stack where needed.
#pragma once

#include "framework/Framework.h"

#include <list>

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

protected:
    virtual BOOL GetAllTemplates(TemplateList& list);
    virtual int GetFrameClassIndex(CRuntimeClass* pFrameClass);
    virtual CRuntimeClass* GetFrameClass(CDocTemplate* pTemplate, int nIndex);

private:
    static CString FileTypeIdOf(CDocTemplate* pTemplate);
};
