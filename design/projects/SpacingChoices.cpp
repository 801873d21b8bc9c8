#include "framework/Portable.h"
#include "design/projects/SpacingChoices.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaProtocolSkipList.h"

#include <memory>

namespace {

constexpr double kDuplicateTolerance = 0.05;

} // namespace

BOOL ListSpacingChoices(int nArrayCode, const SpacingRange& range, const CString& strRowFormat,
                        const CVikaProtocolSkipList& skipList, std::vector<SpacingChoice>& choices)
{
    choices.clear();
    if (nArrayCode < 0)
        return FALSE;
    std::unique_ptr<ElectrodeLayout> pLayout = CreateElectrodeLayout(static_cast<UINT>(nArrayCode), nullptr);
    if (!pLayout)
        return FALSE;
    CVikaProtocolSkipList listed;
    for (int a = range.minA; a <= range.maxA; ++a) {
        for (int n = range.minN; n <= range.maxN; ++n) {
            SpacingChoice choice;
            choice.a = a;
            choice.n = n;
            const double dDepth = pLayout->GetDepth(a, n);
            if (range.bUsesN)
                choice.strText.Format(strRowFormat, a, n, dDepth);
            else
                choice.strText.Format(strRowFormat, a, dDepth);
            listed.Add(a, n);
            if (listed.IsNearDuplicate(a, n, *pLayout, kDuplicateTolerance))
                choice.strText += "*";
            choice.bChecked = skipList.Find(a, n) == nullptr;
            choices.push_back(choice);
        }
    }
    return TRUE;
}

void StoreSpacingChoices(const std::vector<SpacingChoice>& choices, CVikaProtocolSkipList& skipList)
{
    skipList.RemoveAll();
    for (const SpacingChoice& choice : choices)
        if (!choice.bChecked)
            skipList.Add(choice.a, choice.n);
}
