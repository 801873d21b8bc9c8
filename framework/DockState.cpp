#include "framework/DockState.h"
#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/HostServices.h"
#include "framework/ProfileStore.h"

#include <algorithm>

namespace {

const char kBarID[] = "BarID";
const char kVisible[] = "Visible";
const char kHorz[] = "Horz";
const char kFloating[] = "Floating";
const char kXPos[] = "XPos";
const char kYPos[] = "YPos";
const char kMRUWidth[] = "MRUWidth";
const char kDocking[] = "Docking";
const char kMRUDockID[] = "MRUDockID";
const char kMRUDockLeftPos[] = "MRUDockLeftPos";
const char kMRUDockTopPos[] = "MRUDockTopPos";
const char kMRUDockRightPos[] = "MRUDockRightPos";
const char kMRUDockBottomPos[] = "MRUDockBottomPos";
const char kMRUFloatStyle[] = "MRUFloatStyle";
const char kMRUFloatXPos[] = "MRUFloatXPos";
const char kMRUFloatYPos[] = "MRUFloatYPos";
const char kBars[] = "Bars";
const char kBarNumber[] = "Bar#%d";
const char kScreenCX[] = "ScreenCX";
const char kScreenCY[] = "ScreenCY";

constexpr int kMinTrustedScreen = 64;
constexpr int kMaxTrustedScreen = 32767;

bool IsTrustedScreen(CSize size)
{
    return size.cx >= kMinTrustedScreen && size.cx <= kMaxTrustedScreen && size.cy >= kMinTrustedScreen &&
           size.cy <= kMaxTrustedScreen;
}

int ReadInt(CProfileStore& store, LPCTSTR pszSection, LPCTSTR pszKey, int nDefault)
{
    return (int)store.GetInt(pszSection, pszKey, nDefault);
}

int BoundedCount(int n, int nMax) { return std::clamp(n, 0, nMax); }

int Scale(int n, int nNow, int nSaved) { return (int)((long long)n * nNow / nSaved); }

} // namespace

// CControlBarInfo ---------------------------------------------------------

CControlBarInfo::CControlBarInfo()
    : m_nBarID(0), m_bVisible(FALSE), m_bFloating(FALSE), m_bHorz(FALSE), m_bDockBar(FALSE),
      m_pointPos(-1, -1), m_nMRUWidth(32767), m_bDocking(FALSE), m_uMRUDockID(0), m_rectMRUDockPos(0, 0, 0, 0),
      m_dwMRUFloatStyle(0), m_ptMRUFloatPos(0, 0), m_pBar(nullptr)
{
}

CString CControlBarInfo::SectionName(LPCTSTR lpszProfileName, int nIndex)
{
    CString str;
    str.Format("%s-Bar%d", lpszProfileName, nIndex);
    return str;
}

BOOL CControlBarInfo::IsDefaultDockBar() const
{
    return m_bDockBar && m_bVisible && !m_bFloating && m_pointPos.x == -1 && m_pointPos.y == -1 &&
           m_arrBarID.GetSize() <= 1;
}

BOOL CControlBarInfo::SaveState(CProfileStore& store, LPCTSTR lpszProfileName, int nIndex)
{
    if (IsDefaultDockBar())
        return FALSE;
    CString section = SectionName(lpszProfileName, nIndex);
    store.WriteString(section, nullptr, nullptr);   // no stale keys of an older layout
    if (!store.WriteInt(section, kBarID, (int)m_nBarID))
        return FALSE;
    if (!m_bVisible)
        store.WriteInt(section, kVisible, m_bVisible);
    if (m_bFloating) {
        store.WriteInt(section, kHorz, m_bHorz);
        store.WriteInt(section, kFloating, m_bFloating);
    }
    if (m_pointPos.x != -1)
        store.WriteInt(section, kXPos, m_pointPos.x);
    if (m_pointPos.y != -1)
        store.WriteInt(section, kYPos, m_pointPos.y);
    if (m_nMRUWidth != 32767)
        store.WriteInt(section, kMRUWidth, (int)m_nMRUWidth);
    if (m_bDocking) {
        store.WriteInt(section, kDocking, m_bDocking);
        store.WriteInt(section, kMRUDockID, (int)m_uMRUDockID);
        store.WriteInt(section, kMRUDockLeftPos, m_rectMRUDockPos.left);
        store.WriteInt(section, kMRUDockTopPos, m_rectMRUDockPos.top);
        store.WriteInt(section, kMRUDockRightPos, m_rectMRUDockPos.right);
        store.WriteInt(section, kMRUDockBottomPos, m_rectMRUDockPos.bottom);
        store.WriteInt(section, kMRUFloatStyle, (int)m_dwMRUFloatStyle);
        store.WriteInt(section, kMRUFloatXPos, m_ptMRUFloatPos.x);
        store.WriteInt(section, kMRUFloatYPos, m_ptMRUFloatPos.y);
    }
    if (m_arrBarID.GetSize() > 1) {
        store.WriteInt(section, kBars, m_arrBarID.GetSize());
        for (int i = 0; i < m_arrBarID.GetSize(); i++) {
            CString key;
            key.Format(kBarNumber, i);
            store.WriteInt(section, key, (int)(UINT_PTR)m_arrBarID[i]);
        }
    }
    return TRUE;
}

BOOL CControlBarInfo::LoadState(CProfileStore& store, LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    CString section = SectionName(lpszProfileName, nIndex);
    m_nBarID = (UINT)ReadInt(store, section, kBarID, 0);
    m_bVisible = ReadInt(store, section, kVisible, TRUE);
    m_bHorz = ReadInt(store, section, kHorz, TRUE);
    m_bFloating = ReadInt(store, section, kFloating, FALSE);
    m_pointPos = CPoint(ReadInt(store, section, kXPos, -1), ReadInt(store, section, kYPos, -1));
    if (pDockState != nullptr && m_pointPos != CPoint(-1, -1))
        pDockState->ScalePoint(m_pointPos);
    m_nMRUWidth = (UINT)ReadInt(store, section, kMRUWidth, 32767);
    m_bDocking = ReadInt(store, section, kDocking, 0);
    if (m_bDocking) {
        m_uMRUDockID = (UINT)ReadInt(store, section, kMRUDockID, 0);
        m_rectMRUDockPos = CRect(ReadInt(store, section, kMRUDockLeftPos, 0), ReadInt(store, section, kMRUDockTopPos, 0),
                                 ReadInt(store, section, kMRUDockRightPos, 0),
                                 ReadInt(store, section, kMRUDockBottomPos, 0));
        if (pDockState != nullptr)
            pDockState->ScaleRectPos(m_rectMRUDockPos);
        m_dwMRUFloatStyle = (DWORD)ReadInt(store, section, kMRUFloatStyle, 0);
        m_ptMRUFloatPos = CPoint(ReadInt(store, section, kMRUFloatXPos, 0), ReadInt(store, section, kMRUFloatYPos, 0));
        if (pDockState != nullptr)
            pDockState->ScalePoint(m_ptMRUFloatPos);
    }
    int nBars = BoundedCount(ReadInt(store, section, kBars, 0), kMaxBarIDs);
    m_arrBarID.RemoveAll();
    for (int i = 0; i < nBars; i++) {
        CString key;
        key.Format(kBarNumber, i);
        m_arrBarID.Add((void*)(UINT_PTR)(UINT)ReadInt(store, section, key, 0));
    }
    return m_nBarID != 0;
}

BOOL CControlBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex)
{
    return SaveState(GetHostServices().Profile(), lpszProfileName, nIndex);
}

BOOL CControlBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    return LoadState(GetHostServices().Profile(), lpszProfileName, nIndex, pDockState);
}

void CControlBarInfo::SerializeBase(CArchive& ar, CDockState* pDockState)
{
    const bool bV2 = pDockState == nullptr || pDockState->GetVersion() > 1;
    if (ar.IsStoring()) {
        ar << (DWORD)m_nBarID << (DWORD)m_bVisible << (DWORD)m_bFloating << (DWORD)m_bHorz;
        ar << (LONG)m_pointPos.x << (LONG)m_pointPos.y;
        if (!bV2)
            return;
        ar << (DWORD)m_nMRUWidth << (DWORD)m_bDocking;
        if (m_bDocking) {
            ar << (DWORD)m_uMRUDockID;
            ar << (LONG)m_rectMRUDockPos.left << (LONG)m_rectMRUDockPos.top << (LONG)m_rectMRUDockPos.right
               << (LONG)m_rectMRUDockPos.bottom;
            ar << (DWORD)m_dwMRUFloatStyle << (LONG)m_ptMRUFloatPos.x << (LONG)m_ptMRUFloatPos.y;
        }
        return;
    }
    DWORD dw[4];
    LONG l[4];
    ar >> dw[0] >> dw[1] >> dw[2] >> dw[3];
    m_nBarID = dw[0];
    m_bVisible = dw[1] != 0;
    m_bFloating = dw[2] != 0;
    m_bHorz = dw[3] != 0;
    ar >> l[0] >> l[1];
    m_pointPos = CPoint(l[0], l[1]);
    if (pDockState != nullptr && m_pointPos != CPoint(-1, -1))
        pDockState->ScalePoint(m_pointPos);
    if (!bV2)
        return;
    ar >> dw[0] >> dw[1];
    m_nMRUWidth = dw[0];
    m_bDocking = dw[1] != 0;
    if (!m_bDocking)
        return;
    ar >> dw[0];
    m_uMRUDockID = dw[0];
    ar >> l[0] >> l[1] >> l[2] >> l[3];
    m_rectMRUDockPos = CRect(l[0], l[1], l[2], l[3]);
    ar >> dw[0] >> l[0] >> l[1];
    m_dwMRUFloatStyle = dw[0];
    m_ptMRUFloatPos = CPoint(l[0], l[1]);
    if (pDockState != nullptr) {
        pDockState->ScaleRectPos(m_rectMRUDockPos);
        pDockState->ScalePoint(m_ptMRUFloatPos);
    }
}

void CControlBarInfo::SerializeBarIDs(CArchive& ar)
{
    if (ar.IsStoring()) {
        int n = std::min(m_arrBarID.GetSize(), kMaxBarIDs);
        ar << (WORD)n;
        for (int i = 0; i < n; i++)
            ar << (DWORD)(UINT_PTR)m_arrBarID[i];
        return;
    }
    WORD n = 0;
    ar >> n;
    if (n > kMaxBarIDs)
        AfxThrowArchiveException(CArchiveException::badIndex);
    m_arrBarID.RemoveAll();
    for (int i = 0; i < n; i++) {
        DWORD dw = 0;
        ar >> dw;
        m_arrBarID.Add((void*)(UINT_PTR)dw);
    }
}

BOOL CControlBarInfo::Serialize(CArchive& ar, CDockState* pDockState)
{
    SerializeBase(ar, pDockState);
    SerializeBarIDs(ar);
    return TRUE;
}

// CDockState --------------------------------------------------------------

IMPLEMENT_SERIAL(CDockState, CObject, 0)

CDockState::CDockState() : m_dwVersion(2), m_sizeDevice(AfxGetScreenSize()), m_sizeScreen(AfxGetScreenSize()) {}

CDockState::~CDockState() { Clear(); }

void CDockState::Clear()
{
    for (int i = 0; i < m_arrBarInfo.GetSize(); i++)
        delete (CControlBarInfo*)m_arrBarInfo[i];
    m_arrBarInfo.RemoveAll();
}

void CDockState::ScalePoint(CPoint& pt) const
{
    if (!IsTrustedScreen(m_sizeDevice) || m_sizeDevice == m_sizeScreen)
        return;
    pt.x = Scale(pt.x, m_sizeScreen.cx, m_sizeDevice.cx);
    pt.y = Scale(pt.y, m_sizeScreen.cy, m_sizeDevice.cy);
}

void CDockState::ScaleRectPos(CRect& rect) const
{
    CPoint pt = rect.TopLeft();
    ScalePoint(pt);
    rect.OffsetRect(pt - rect.TopLeft());
}

void CDockState::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_dwVersion;
        if (m_dwVersion > 1)
            ar << (LONG)m_sizeScreen.cx << (LONG)m_sizeScreen.cy;
        int n = std::min(m_arrBarInfo.GetSize(), kMaxDockBars);
        ar << (WORD)n;
        for (int i = 0; i < n; i++)
            GetAt(i)->Serialize(ar, this);
        return;
    }
    Clear();
    ar >> m_dwVersion;
    m_sizeDevice = m_sizeScreen;
    if (m_dwVersion > 1) {
        LONG cx = 0, cy = 0;
        ar >> cx >> cy;
        m_sizeDevice = CSize(cx, cy);
    }
    WORD n = 0;
    ar >> n;
    if (n > kMaxDockBars)
        AfxThrowArchiveException(CArchiveException::badIndex);
    for (int i = 0; i < n; i++) {
        CControlBarInfo* pInfo = NewBarInfo();
        m_arrBarInfo.Add(pInfo);   // owned from here, also if the read throws
        pInfo->Serialize(ar, this);
    }
    m_dwVersion = 2;
}

BOOL CDockState::LoadState(CProfileStore& store, LPCTSTR lpszProfileName)
{
    Clear();
    CString summary;
    summary.Format("%s-Summary", lpszProfileName);
    int nBars = BoundedCount(ReadInt(store, summary, kBars, 0), kMaxDockBars);
    m_sizeDevice = CSize(ReadInt(store, summary, kScreenCX, m_sizeScreen.cx),
                         ReadInt(store, summary, kScreenCY, m_sizeScreen.cy));
    for (int i = 0; i < nBars; i++) {
        CControlBarInfo* pInfo = NewBarInfo();
        m_arrBarInfo.Add(pInfo);
        pInfo->LoadState(store, lpszProfileName, i, this);
    }
    return TRUE;
}

BOOL CDockState::SaveState(CProfileStore& store, LPCTSTR lpszProfileName)
{
    int nIndex = 0;
    for (int i = 0; i < m_arrBarInfo.GetSize() && nIndex < kMaxDockBars; i++) {
        if (GetAt(i)->SaveState(store, lpszProfileName, nIndex))
            ++nIndex;
    }
    CString summary;
    summary.Format("%s-Summary", lpszProfileName);
    BOOL bOK = store.WriteInt(summary, kBars, nIndex);
    store.WriteInt(summary, kScreenCX, m_sizeScreen.cx);
    store.WriteInt(summary, kScreenCY, m_sizeScreen.cy);
    return bOK;
}

BOOL CDockState::LoadState(LPCTSTR lpszProfileName) { return LoadState(GetHostServices().Profile(), lpszProfileName); }
BOOL CDockState::SaveState(LPCTSTR lpszProfileName) { return SaveState(GetHostServices().Profile(), lpszProfileName); }
