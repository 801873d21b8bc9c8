// Capturing a frame's bars into the dock state and applying it back.
#include "framework/Framework.h"
#include "ui/frames/SECDockState.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECDialogBar.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECMDIChildWnd.h"
#include "ui/frames/SECMDIFrameWnd.h"

#include <cstring>

void SECDockState::GetDockState(CFrameWnd* pFrame)
{
    Clear();
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos) {
        auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        auto* pSEC = dynamic_cast<SECControlBar*>(pBar);
        auto* pDockBar = dynamic_cast<CDockBar*>(pBar);
        if (!pSEC && !pDockBar)
            continue;
        SECControlBarInfo* pInfo = CreateBarInfo(m_pManager);
        if (pSEC)
            pSEC->GetExtendedBarInfo(pInfo);
        else
            pDockBar->GetBarInfo(pInfo);
        // A bar floating in the main window: the MDI child's placement.
        auto* pSECDock = dynamic_cast<SECDockBar*>(pDockBar);
        if (pSECDock && pSECDock->m_pMDIChild && pSECDock->m_pMDIChild->m_hWnd) {
            pInfo->m_bMDIChild = TRUE;
            pInfo->m_pointPos = CPoint(0, 0);
            pInfo->m_wpMDIChild.length = sizeof(WINDOWPLACEMENT);
            pSECDock->m_pMDIChild->GetWindowPlacement(&pInfo->m_wpMDIChild);
        }
        m_arrBarInfo.Add(pInfo);
    }
}

CRuntimeClass* SECDockState::FindBarClass(const CString& strClassName)
{
    if (strClassName.IsEmpty())
        return nullptr;
    CRuntimeClass* pClass = CRuntimeClass::FromName(strClassName);
    // Only a class that makes control bars may be made from the profile.
    if (!pClass || !pClass->m_pfnCreateObject || !pClass->IsDerivedFrom(RUNTIME_CLASS(CControlBar)) ||
        std::strcmp(pClass->m_lpszClassName, strClassName) != 0)
        return nullptr;
    return pClass;
}

CControlBar* SECDockState::CreateBarFromClass(const CString& strClassName, CFrameWnd* pFrame, SECControlBarInfo* pInfo)
{
    CRuntimeClass* pClass = FindBarClass(strClassName);
    if (!pClass)
        return nullptr;
    CObject* pObject = pClass->CreateObject();
    auto* pBar = dynamic_cast<CControlBar*>(pObject);
    if (!pBar) {
        delete pObject;
        return nullptr;
    }
    BOOL bCreated = FALSE;
    const DWORD dwStyle = (pInfo->m_dwStyle & CBRS_ALL) | WS_CHILD | (pInfo->m_bVisible ? WS_VISIBLE : 0);
    if (auto* pDialogBar = dynamic_cast<SECDialogBar*>(pBar))
        bCreated = pDialogBar->Create(pFrame, MAKEINTRESOURCE(pInfo->m_nResourceID), dwStyle, pInfo->m_dwExStyle,
                                      pInfo->m_nBarID);
    else if (auto* pSEC = dynamic_cast<SECControlBar*>(pBar))
        bCreated = pSEC->Create(pFrame, pInfo->m_strWindowName, dwStyle, pInfo->m_dwExStyle, pInfo->m_nBarID);
    if (!bCreated) {
        delete pBar;
        return nullptr;
    }
    if (m_pCreatedBars)
        m_pCreatedBars->push_back(pBar);
    pBar->m_bAutoDelete = TRUE;
    pBar->SetWindowText(pInfo->m_strWindowName);
    if (auto* pSEC = dynamic_cast<SECControlBar*>(pBar))
        pSEC->EnableDocking(CBRS_ALIGN_ANY);
    else
        pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}

void SECDockState::CreateBars(CFrameWnd* pFrame, BOOL)
{
    for (int i = 0; i < GetCount();) {
        SECControlBarInfo* pInfo = GetInfo(i);
        if (pInfo->m_bDockBar) {
            // Dock bars are the frame's own, or floating frames the frame makes.
            ++i;
            continue;
        }
        CControlBar* pBar = pFrame->GetControlBar(pInfo->m_nBarID);
        if (!pBar && m_pManager)
            pBar = m_pManager->CreateBar(pInfo, pFrame);
        if (!pBar)
            pBar = CreateBarFromClass(pInfo->m_strClassName, pFrame, pInfo);
        if (!pBar) {
            m_arrBarInfo.RemoveAt(i);
            delete pInfo;
            continue;
        }
        pInfo->m_pBar = pBar;
        ++i;
    }
}

void SECDockState::SetDockState(CFrameWnd* pFrame)
{
    CreateBars(pFrame, pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)));
    // The framework puts dock bars' rows and floating frames back (bars
    // that no longer exist left out, frames kept on the screen); then each
    // of our bars takes its own part.
    pFrame->CFrameWnd::SetDockState(*this);
    for (int i = 0; i < GetCount(); ++i) {
        SECControlBarInfo* pInfo = GetInfo(i);
        if (pInfo->m_bDockBar)
            continue;
        auto* pSEC = dynamic_cast<SECControlBar*>(pFrame->GetControlBar(pInfo->m_nBarID));
        if (!pSEC)
            continue;
        // The bar lies where the framework put it: its side and floating
        // state follow its place, not a stored style that may be missing.
        const DWORD dwPlace = CBRS_ALIGN_ANY | CBRS_FLOATING;
        pInfo->m_dwStyle = (pInfo->m_dwStyle & ~dwPlace) | (pSEC->m_dwStyle & dwPlace);
        if (pInfo->m_dwStyle == (pSEC->m_dwStyle & dwPlace))
            pInfo->m_dwStyle = pSEC->m_dwStyle;
        pSEC->SetExtendedBarInfo(pInfo, pFrame);
    }
    ApplyFloating();
    if (auto* pMDIFrame = dynamic_cast<SECMDIFrameWnd*>(pFrame))
        MoveFloatingToMDIChildren(pMDIFrame);
    RestoreMDIChildPlacements(pFrame);
    pFrame->RecalcLayout();
    pFrame->DelayRecalcLayout();
}

void SECDockState::ApplyFloating()
{
    for (int i = 0; i < GetCount(); ++i) {
        SECControlBarInfo* pInfo = GetInfo(i);
        if (auto* pSEC = dynamic_cast<SECControlBar*>(pInfo->m_pBar))
            pSEC->SetExtendedStyle(pInfo->m_dwExStyle, FALSE);
        // A floating frame of one bar is captioned with that bar's text.
        auto* pDockBar = dynamic_cast<SECDockBar*>(pInfo->m_pBar);
        if (!pDockBar || !pDockBar->m_bFloating || !pDockBar->m_hWnd || (pDockBar->m_dwStyle & CBRS_FLOAT_MULTI))
            continue;
        for (int k = 0; k < pDockBar->m_arrBars.GetSize(); ++k) {
            if (CControlBar* pBar = pDockBar->GetDockedControlBar(k)) {
                CString strTitle;
                pBar->GetWindowText(strTitle);
                pDockBar->SetWindowText(strTitle);
                if (auto* pFrame = dynamic_cast<CFrameWnd*>(pDockBar->GetParent()))
                    pFrame->RecalcLayout();
                break;
            }
        }
    }
}

// The framework made floating frames for the records of bars that floated
// in the main window; their bars move on into MDI children.
void SECDockState::MoveFloatingToMDIChildren(SECMDIFrameWnd* pFrame)
{
    for (int i = 0; i < GetCount(); ++i) {
        SECControlBarInfo* pInfo = GetInfo(i);
        auto* pDockBar = dynamic_cast<CDockBar*>(pInfo->m_pBar);
        if (!pInfo->m_bMDIChild || !pDockBar || !pDockBar->m_bFloating || !pDockBar->m_hWnd)
            continue;
        CControlBar* pBar = nullptr;
        for (int k = 0; k < pDockBar->m_arrBars.GetSize() && !pBar; ++k)
            pBar = pDockBar->GetDockedControlBar(k);
        if (!pBar)
            continue;
        pFrame->FloatControlBarInMDIChild(pBar, CPoint(-1, -1), pDockBar->m_dwStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI));
        auto* pSEC = dynamic_cast<SECControlBar*>(pBar);
        auto* pChild = dynamic_cast<SECControlBarMDIChildWnd*>(pSEC ? pSEC->GetMDIFloatingFrame() : nullptr);
        pInfo->m_pBar = pChild ? &pChild->m_wndDockBar : nullptr;
    }
}

void SECDockState::RestoreMDIChildPlacements(CFrameWnd*)
{
    for (int i = 0; i < GetCount(); ++i) {
        SECControlBarInfo* pInfo = GetInfo(i);
        if (!pInfo->m_bMDIChild || !pInfo->m_pBar || !pInfo->m_pBar->m_hWnd)
            continue;
        auto* pDockBar = dynamic_cast<SECDockBar*>(pInfo->m_pBar);
        if (CWnd* pParent = pDockBar ? pDockBar->m_pMDIChild : nullptr)
            if (pInfo->m_wpMDIChild.length == sizeof(WINDOWPLACEMENT))
                pParent->SetWindowPlacement(&pInfo->m_wpMDIChild);
    }
}
