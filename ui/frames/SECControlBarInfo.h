// SECControlBarInfo: one bar's record in a saved layout: the framework's
// record plus what SECControlBar adds (remembered sizes, row share, styles,
// the MDI-child float, class and window name, resource and type id). It is
// written to the profile (section "<name>-Bar<n>"), to a settings node
// ("Bar-<n>") or to an archive, and read back; an extension object
// (SECControlBarInfoEx) carries what a bar class adds.
//
// The row share is stored as the decimal integer of share x 1,000,000.
#pragma once

#include "framework/DockState.h"
#include "ui/frames/SECControlBarManager.h"

#ifndef _WIN32
struct WINDOWPLACEMENT
{
    UINT length;
    UINT flags;
    UINT showCmd;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};
#endif

class CProfileStore;
class SECDockState;
class SECPersistentTreeNode;

// What a bar class adds to its record; the base keeps nothing.
class SECControlBarInfoEx : public CObject
{
public:
    virtual void Serialize(CArchive& ar, SECDockState* pDockState);
    virtual BOOL LoadState(SECPersistentTreeNode* pNode);
    virtual BOOL LoadState(CProfileStore& store, LPCTSTR lpszSection, SECDockState* pDockState);
    virtual BOOL SaveState(SECPersistentTreeNode* pNode, SECPersistentTreeNode* pParent);
    virtual BOOL SaveState(CProfileStore& store, LPCTSTR lpszSection);
};

class SECControlBarInfo : public CControlBarInfo
{
public:
    explicit SECControlBarInfo(SECControlBarManager* pManager = nullptr);
    ~SECControlBarInfo() override;
    SECControlBarInfo(const SECControlBarInfo&) = delete;
    SECControlBarInfo& operator=(const SECControlBarInfo&) = delete;

    // Tree form: a child "Bar-<nIndex>" of the parent node.
    virtual BOOL LoadState(SECPersistentTreeNode* pNode, SECDockState* pDockState);
    virtual BOOL SaveState(SECPersistentTreeNode* pParent, int nIndex);
    // Profile form.
    BOOL LoadState(CProfileStore& store, LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState) override;
    BOOL SaveState(CProfileStore& store, LPCTSTR lpszProfileName, int nIndex) override;
    using CControlBarInfo::LoadState;
    using CControlBarInfo::SaveState;
    // Archive form.
    BOOL Serialize(CArchive& ar, CDockState* pDockState) override;

    virtual BOOL LoadBaseState(SECPersistentTreeNode* pNode, SECDockState* pDockState);
    virtual BOOL LoadExtendedState(SECPersistentTreeNode* pNode);
    virtual BOOL SaveBaseState(SECPersistentTreeNode* pNode);
    virtual BOOL SaveExtendedState(SECPersistentTreeNode* pNode);

    // "PctWidth" as text, and back (a negative share reads as 0).
    static CString FormatShare(float fShare);
    static float ParseShare(const CString& strText);

    CSize m_szHorz{0, 0};
    CSize m_szReserved{0, 0};
    CSize m_szVert{0, 0};
    CSize m_szFloat{0, 0};
    DWORD m_dwMRUDockingState = 0;
    DWORD m_dwDockStyle = 0;
    float m_fPctWidth = 0.0f;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    BOOL m_bPrevFloating = FALSE;
    BOOL m_bMDIChild = FALSE;
    WINDOWPLACEMENT m_wpMDIChild;
    CString m_strClassName;
    CString m_strWindowName;
    UINT m_nResourceID = 0;
    SECControlBarInfoEx* m_pInfoEx = nullptr; // owned
    UINT m_nTypeID = 0;
    SECControlBarManager* m_pManager = nullptr;

private:
    // The extension object the manager makes for this record, if any.
    void CreateInfoEx();
};
