// SECControlBarInfo: a bar's record in the library's saved layout: the
// framework's record plus what SECControlBar adds (remembered sizes, row
// share, styles, class and window name).
//
// Not yet: the profile, settings-tree and archive forms of these fields.
#pragma once

#include "framework/Framework.h"

class SECControlBarInfoEx;

class SECControlBarInfo : public CControlBarInfo
{
public:
    SECControlBarInfo() { ::ZeroMemory(&m_wpMDIChild, sizeof m_wpMDIChild); }
    ~SECControlBarInfo() override;

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
    SECControlBarInfoEx* m_pInfoEx = nullptr;   // owned
    UINT m_nTypeID = 0;
    void* m_pManager = nullptr;
};

// What a bar class adds to its record; nothing here.
class SECControlBarInfoEx : public CObject
{
};

inline SECControlBarInfo::~SECControlBarInfo() { delete m_pInfoEx; }
