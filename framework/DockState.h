// The saved layout of a frame's control bars: one CControlBarInfo per bar
// or dock bar, kept together in a CDockState that goes to the profile
// (sections "<name>-Summary" and "<name>-Bar<n>") or to an archive. It is
// portable; the frame fills and applies it (CFrameWnd::GetDockState and
// SetDockState) and the bars describe themselves (CControlBar::GetBarInfo).
//
// Positions are screen pixels of the screen the state was saved on. Loading
// scales every position (not the sizes) by the present screen size over the
// saved one; a saved screen size outside 64..32767 is not trusted and leaves
// the positions as they are. A stored count is bounded (kMaxDockBars
// records, kMaxBarIDs ids per dock bar) so a damaged profile or archive
// cannot make the loader allocate without end.
#pragma once

#include "framework/Object.h"
#include "framework/Collections.h"
#include "framework/Geometry.h"
#include "framework/String.h"

class CArchive;
class CControlBar;
class CDockState;
class CProfileStore;

constexpr int kMaxDockBars = 1024;
constexpr int kMaxBarIDs = 1024;
// A hidden bar's id in a dock bar's list carries this flag.
constexpr UINT kHiddenBarIDFlag = 0x10000;

class CControlBarInfo
{
public:
    CControlBarInfo();
    virtual ~CControlBarInfo() = default;

    UINT m_nBarID;          // the bar's control id
    BOOL m_bVisible;
    BOOL m_bFloating;       // in a floating frame
    BOOL m_bHorz;
    BOOL m_bDockBar;        // a dock bar's record
    CPoint m_pointPos;      // top-left; (-1, -1) when not known
    UINT m_nMRUWidth;       // the floating width of a dynamic bar
    BOOL m_bDocking;        // the bar can dock (it has a dock context)
    UINT m_uMRUDockID;      // the most recent dock bar...
    CRect m_rectMRUDockPos; // ...and the place in it
    DWORD m_dwMRUFloatStyle;// the most recent floating style...
    CPoint m_ptMRUFloatPos; // ...and place
    CPtrArray m_arrBarID;   // a dock bar's bar ids: 0 ends a row, id | kHiddenBarIDFlag for a hidden bar
    CControlBar* m_pBar;    // set while the state is applied

    // Profile form: section "<name>-Bar<nIndex>". SaveState writes nothing
    // and returns FALSE for an empty dock bar in its default place.
    virtual BOOL SaveState(CProfileStore& store, LPCTSTR lpszProfileName, int nIndex);
    virtual BOOL LoadState(CProfileStore& store, LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState);
    // Through the host's profile.
    virtual BOOL SaveState(LPCTSTR lpszProfileName, int nIndex);
    virtual BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState);
    // Archive form: the fields, then the bar ids.
    virtual BOOL Serialize(CArchive& ar, CDockState* pDockState);

    // The parts of the archive form, for records that add fields between them.
    void SerializeBase(CArchive& ar, CDockState* pDockState);
    void SerializeBarIDs(CArchive& ar);
    // An empty dock bar in its default place: not worth saving.
    BOOL IsDefaultDockBar() const;
    static CString SectionName(LPCTSTR lpszProfileName, int nIndex);
};

class CDockState : public CObject
{
    DECLARE_SERIAL(CDockState)
public:
    CDockState();
    ~CDockState() override;

    CPtrArray m_arrBarInfo;     // CControlBarInfo*, owned
    DWORD m_dwVersion;
    CSize m_sizeDevice;         // the screen the state was saved on
    CSize m_sizeScreen;         // the present screen (AfxGetScreenSize)

    void Serialize(CArchive& ar) override;
    virtual BOOL LoadState(CProfileStore& store, LPCTSTR lpszProfileName);
    virtual BOOL SaveState(CProfileStore& store, LPCTSTR lpszProfileName);
    virtual BOOL LoadState(LPCTSTR lpszProfileName);
    virtual BOOL SaveState(LPCTSTR lpszProfileName);
    virtual void Clear();

    DWORD GetVersion() const { return m_dwVersion; }
    CSize GetScreenSize() const { return m_sizeScreen; }
    // From the saved screen to the present one.
    void ScalePoint(CPoint& pt) const;
    void ScaleRectPos(CRect& rect) const;

    int GetCount() const { return m_arrBarInfo.GetSize(); }
    CControlBarInfo* GetAt(int i) const { return (CControlBarInfo*)m_arrBarInfo[i]; }

protected:
    // The record a load fills; derived states give their own kind.
    virtual CControlBarInfo* NewBarInfo() { return new CControlBarInfo; }
};

// The size of the screen the program runs on.
CSize AfxGetScreenSize();
