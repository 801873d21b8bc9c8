// Which document template made a document, view and frame, decided on the
// facts of each template alone so that the choice is tested without
// windows. SECDocTemplateUtils gathers the facts from the application.
#pragma once

#include "framework/String.h"

#include <vector>

// One template as the chooser sees it. The class fields are identities
// (runtime-class records); only equality matters.
struct TemplateFacts
{
    const void* pTemplate = nullptr;
    const void* pDocClass = nullptr;
    const void* pViewClass = nullptr;
    const void* pFrameClass = nullptr;
    UINT nIDResource = 0;
    CString strFileTypeId;
};

// What is known of the document, view and frame being asked about.
struct TemplateQuery
{
    const void* pDocTemplate = nullptr;   // the document's own template
    const void* pDocClass = nullptr;
    const void* pViewClass = nullptr;
    const void* pFrameClass = nullptr;
    UINT nFrameResource = 0;
};

// The steps of the choice. Each filter keeps the matching templates in place.
void FilterByViewAndFrame(std::vector<TemplateFacts>& templates, const void* pViewClass, const void* pFrameClass);
void FilterByFrameResource(std::vector<TemplateFacts>& templates, UINT nFrameResource);
void FilterByDocument(std::vector<TemplateFacts>& templates, const void* pDocClass);
// The one template left, or nullptr for none; false while several remain.
bool GetSingle(const std::vector<TemplateFacts>& templates, const void*& pResult);

// Narrows the templates step by step (view and frame classes, the frame's
// resource id, the document class) until one is left; with several still
// left, the document's own template when among them, else the first.
// nullptr when the list is empty.
const void* ChooseTemplate(std::vector<TemplateFacts> templates, const TemplateQuery& query);

// Position of pTemplate among the templates of file type strFileTypeId
// (0 for the first); -1 when it is not in the list.
int TemplateIndexOfType(const std::vector<TemplateFacts>& templates, const void* pTemplate, const CString& strFileTypeId);

// The nIndex-th template of that file type, the last of them when there
// are fewer, nullptr when there is none.
const void* TemplateOfTypeAt(const std::vector<TemplateFacts>& templates, const CString& strFileTypeId, int nIndex);
