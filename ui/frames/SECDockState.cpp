#include "ui/frames/SECDockState.h"

#include "ui/frames/SECPersistentTreeNode.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(SECDockState, CDockState)

namespace {

const char kDockStateNode[] = "DockState";

} // namespace

SECDockState::SECDockState(SECControlBarManager* pManager) : m_pManager(pManager) {}

SECControlBarInfo* SECDockState::CreateBarInfo(SECControlBarManager* pManager)
{
    return new SECControlBarInfo(pManager);
}

BOOL SECDockState::SaveState(SECPersistentTreeNode* pNode)
{
    if (!pNode)
        return FALSE;
    // A fresh node: records of an earlier, longer layout must not stay.
    if (SECPersistentTreeNode* pOld = pNode->FindChild(kDockStateNode))
        pNode->DeleteNode(pOld);
    SECPersistentTreeNode* pDock = pNode->CreateChild(kDockStateNode);
    if (!pDock)
        return FALSE;
    int nIndex = 0;
    for (int i = 0; i < GetCount() && nIndex < kMaxDockBars; ++i) {
        SECControlBarInfo* pInfo = dynamic_cast<SECControlBarInfo*>(GetAt(i));
        if (pInfo && pInfo->SaveState(pDock, nIndex))
            ++nIndex;
    }
    pDock->SetValue("Bars", nIndex);
    pDock->SetValue("ScreenCX", m_sizeScreen.cx);
    pDock->SetValue("ScreenCY", m_sizeScreen.cy);
    return TRUE;
}

BOOL SECDockState::LoadState(SECPersistentTreeNode* pNode)
{
    SECPersistentTreeNode* pDock = pNode ? pNode->FindChild(kDockStateNode) : nullptr;
    if (!pDock)
        return FALSE;
    Clear();
    int nBars = 0;
    pDock->GetValue("Bars", nBars);
    nBars = std::clamp(nBars, 0, kMaxDockBars);
    int cx = m_sizeScreen.cx, cy = m_sizeScreen.cy;
    pDock->GetValue("ScreenCX", cx, m_sizeScreen.cx);
    pDock->GetValue("ScreenCY", cy, m_sizeScreen.cy);
    m_sizeDevice = CSize(cx, cy);
    for (int i = 0; i < nBars; ++i) {
        CString strName;
        strName.Format("Bar-%d", i);
        SECPersistentTreeNode* pBarNode = pDock->FindChild(strName);
        if (!pBarNode)
            continue;
        SECControlBarInfo* pInfo = CreateBarInfo(m_pManager);
        m_arrBarInfo.Add(pInfo);
        pInfo->LoadState(pBarNode, this);
    }
    return TRUE;
}

void SECDockState::CleanUpBarIds()
{
    // A hidden bar's entry stays only where the bar last docked.
    for (int i = 0; i < GetCount(); ++i) {
        const CControlBarInfo* pBarInfo = GetAt(i);
        if (pBarInfo->m_bDockBar)
            continue;
        const UINT_PTR nHidden = (UINT_PTR)(pBarInfo->m_nBarID | kHiddenBarIDFlag);
        for (int j = 0; j < GetCount(); ++j) {
            CControlBarInfo* pDock = GetAt(j);
            if (!pDock->m_bDockBar || pDock->m_nBarID == pBarInfo->m_uMRUDockID)
                continue;
            for (int k = pDock->m_arrBarID.GetSize() - 1; k >= 0; --k)
                if ((UINT_PTR)pDock->m_arrBarID[k] == nHidden)
                    pDock->m_arrBarID.RemoveAt(k);
        }
    }
    for (int i = 0; i < GetCount(); ++i) {
        CPtrArray& ids = GetAt(i)->m_arrBarID;
        for (int k = 0; k < ids.GetSize(); ++k) {
            if (!ids[k])
                continue;
            for (int m = k + 1; m < ids.GetSize(); ++m)
                if (ids[m] == ids[k])
                    ids[m] = nullptr;
        }
        if (!GetAt(i)->m_bDockBar)
            continue;
        while (ids.GetSize() > 0 && !ids[ids.GetSize() - 1])
            ids.RemoveAt(ids.GetSize() - 1);
        ids.Add(nullptr);
    }
}
