#include "ui/frames/TemplateChooser.h"

#include <algorithm>
#include <functional>

namespace {

using Facts = std::vector<TemplateFacts>;

void Keep(Facts& list, const std::function<bool(const TemplateFacts&)>& matches)
{
    list.erase(std::remove_if(list.begin(), list.end(), [&](const TemplateFacts& t) { return !matches(t); }), list.end());
}

} // namespace

bool GetSingle(const Facts& list, const void*& pResult)
{
    pResult = nullptr;
    if (list.size() > 1)
        return false;
    if (!list.empty())
        pResult = list.front().pTemplate;
    return true;
}

void FilterByViewAndFrame(Facts& list, const void* pViewClass, const void* pFrameClass)
{
    Keep(list, [&](const TemplateFacts& t) { return t.pViewClass == pViewClass && t.pFrameClass == pFrameClass; });
}

void FilterByFrameResource(Facts& list, UINT nFrameResource)
{
    Keep(list, [&](const TemplateFacts& t) { return t.nIDResource == nFrameResource; });
}

void FilterByDocument(Facts& list, const void* pDocClass)
{
    Keep(list, [&](const TemplateFacts& t) { return t.pDocClass == pDocClass; });
}

const void* ChooseTemplate(std::vector<TemplateFacts> list, const TemplateQuery& query)
{
    const void* pResult = nullptr;
    if (GetSingle(list, pResult))
        return pResult;
    FilterByViewAndFrame(list, query.pViewClass, query.pFrameClass);
    if (GetSingle(list, pResult))
        return pResult;
    FilterByFrameResource(list, query.nFrameResource);
    if (GetSingle(list, pResult))
        return pResult;
    FilterByDocument(list, query.pDocClass);
    if (GetSingle(list, pResult))
        return pResult;
    for (const TemplateFacts& t : list) {
        if (t.pTemplate == query.pDocTemplate)
            return t.pTemplate;
    }
    return list.front().pTemplate;
}

int TemplateIndexOfType(const std::vector<TemplateFacts>& templates, const void* pTemplate, const CString& strFileTypeId)
{
    if (pTemplate == nullptr)
        return -1;
    int nCount = 0;
    for (const TemplateFacts& t : templates) {
        if (t.pTemplate == pTemplate)
            return nCount;
        if (t.strFileTypeId == strFileTypeId)
            ++nCount;
    }
    return -1;
}

const void* TemplateOfTypeAt(const std::vector<TemplateFacts>& templates, const CString& strFileTypeId, int nIndex)
{
    const void* pLast = nullptr;
    int nCount = 0;
    for (const TemplateFacts& t : templates) {
        if (t.strFileTypeId != strFileTypeId)
            continue;
        if (nCount++ == nIndex)
            return t.pTemplate;
        pLast = t.pTemplate;
    }
    return pLast;
}
