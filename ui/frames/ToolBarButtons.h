// The button array of a custom toolbar apart from its window: inserting and
// removing buttons with the separator rules (a row's separators are as tall
// as its buttons; no separator is left leading, trailing or doubled), the
// customise selection and hot indices that follow the edits, and where a
// dragged button lands (group-separator nudges, insertion index).
#pragma once

#include "ui/frames/ToolBarLayout.h"

#include <functional>
#include <memory>

class CToolBarButtons
{
public:
    // Makes a button for a command id, or a separator for id 0.
    using Factory = std::function<std::unique_ptr<SECBtnGeometry>(UINT nID, bool bSeparator)>;

    explicit CToolBarButtons(Factory factory) : m_factory(std::move(factory)) {}

    int GetCount() const { return (int)m_buttons.size(); }
    SECBtnGeometry* At(int i) const { return m_buttons[(size_t)i].get(); }
    SECBtnList List(bool bSkipHidden = false) const;

    void RemoveAll();
    void Append(std::unique_ptr<SECBtnGeometry> pButton) { m_buttons.push_back(std::move(pButton)); }
    // Inserts at the index (clamped); returns the index used.
    int Insert(int nIndex, UINT nID, bool bSeparator);
    // The number of buttons deleted (separators left dangling go too), or 0
    // for an index out of range.
    int Remove(int nIndex, int nSeparatorWidth);

    // Takes a button out without deleting it (a bar's embedded buttons),
    // and puts one in at an index (clamped); selection and hot follow.
    std::unique_ptr<SECBtnGeometry> Release(int nIndex);
    int Adopt(int nIndex, std::unique_ptr<SECBtnGeometry> pButton);

    int CommandToIndex(UINT nID) const;
    int IndexOf(const SECBtnGeometry* pButton) const;

    int m_nSelected = -1;   // pressed or, while customising, selected
    int m_nHot = -1;

private:
    void RaiseSeparatorsAfterInsert(int nIndex);
    void SetSeparatorHeightsAfterRemove(int nIndex, bool bWasSeparator, bool bWasWrapped, int nSeparatorWidth);
    int DeleteDanglingSeparator(int nIndex);
    static void FollowRemoval(int& nTracked, int nIndex, int nDeleted);

    Factory m_factory;
    std::vector<std::unique_ptr<SECBtnGeometry>> m_buttons;
};

// Where a button dropped on a toolbar goes.
struct ToolBarDropInput
{
    CRect rcInside;            // client area less the insets
    CRect rcDrop;              // the dragged button's rectangle, client coordinates
    int nSelected = -1;        // this bar's selection when it is the selecting bar, else -1
    bool bCopy = false;
    int nSeparatorWidth = 8;
};

struct ToolBarDropPlan
{
    enum Action { None, Nudge, Insert } action = None;
    // Nudge: a separator goes in at nSeparatorAt or out at nRemoveAt (-1: neither).
    int nSeparatorAt = -1;
    int nRemoveAt = -1;
    // Insert: the index, and a separator before (above the bar) or after
    // (below the bar) the button.
    int nIndex = 0;
    bool bSeparatorFirst = false;   // dropped above: index 0, separator after the button
    bool bSeparatorLast = false;    // dropped below: separator appended, button after it
};

ToolBarDropPlan PlanToolBarDrop(const CToolBarButtons& buttons, const ToolBarDropInput& in);
