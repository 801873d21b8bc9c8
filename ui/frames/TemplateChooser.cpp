#include "ui/frames/TemplateChooser.h"

#include <algorithm>
#include <functional>

namespace {

using Facts = std::vector<TemplateFacts>;

// The one template left, or nullptr with none; false while several remain.
bool Single(const Facts& list, const void*& pResult)
{
    pResult = nullptr;
    if (list.size() > 1)
        return false;
    if (!list.empty())
        pResult = list.front().pTemplate;
    return true;
}

void Keep(Facts& list, const std::function<bool(const TemplateFacts&)>& matches)
{
    list.erase(std::remove_if(list.begin(), list.end(), [&](const TemplateFacts& t) { return !matches(t); }), list.end());
}

} // namespace

const void* ChooseTemplate(std::vector<TemplateFacts> list, const TemplateQuery& query)
{
    const void* pResult = nullptr;
    if (Single(list, pResult))
        return pResult;
    Keep(list, [&](const TemplateFacts& t) { return t.pViewClass == query.pViewClass && t.pFrameClass == query.pFrameClass; });
    if (Single(list, pResult))
        return pResult;
    Keep(list, [&](const TemplateFacts& t) { return t.nIDResource == query.nFrameResource; });
    if (Single(list, pResult))
        return pResult;
    Keep(list, [&](const TemplateFacts& t) { return t.pDocClass == query.pDocClass; });
    if (Single(list, pResult))
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
