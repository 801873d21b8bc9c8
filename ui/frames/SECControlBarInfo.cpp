#include "ui/frames/SECControlBarInfo.h"

#include "framework/Archive.h"
#include "framework/BarStyles.h"
#include "framework/ProfileStore.h"
#include "ui/frames/SECDockState.h"
#include "ui/frames/SECPersistentTreeNode.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

const char kStyle[] = "Style";
const char kExStyle[] = "ExStyle";
const char kPrevFloating[] = "PrevFloating";
const char kMDIChild[] = "MDIChild";
const char kPlacement[] = "MDIChildWindowPlacement";
const char kPctWidth[] = "PctWidth";
const char kFloatCX[] = "MRUFloatCX";
const char kFloatCY[] = "MRUFloatCY";
const char kHorzCX[] = "MRUHorzDockCX";
const char kHorzCY[] = "MRUHorzDockCY";
const char kVertCX[] = "MRUVertDockCX";
const char kVertCY[] = "MRUVertDockCY";
const char kDockingState[] = "MRUDockingState";
const char kDockingStyle[] = "DockingStyle";
const char kTypeID[] = "TypeID";
const char kClassName[] = "ClassName";
const char kWindowName[] = "WindowName";
const char kResourceID[] = "ResourceID";
constexpr double kShareScale = 1000000.0;

// The base record's keys, the same names in the tree as in the profile.
const char kBarID[] = "BarID";
const char kVisible[] = "Visible";
const char kHorz[] = "Horz";
const char kFloating[] = "Floating";
const char kXPos[] = "XPos";
const char kYPos[] = "YPos";
const char kMRUWidth[] = "MRUWidth";
const char kDocking[] = "Docking";
const char kMRUDockID[] = "MRUDockID";
const char kMRUDockLeft[] = "MRUDockLeftPos";
const char kMRUDockTop[] = "MRUDockTopPos";
const char kMRUDockRight[] = "MRUDockRightPos";
const char kMRUDockBottom[] = "MRUDockBottomPos";
const char kMRUFloatStyle[] = "MRUFloatStyle";
const char kMRUFloatX[] = "MRUFloatXPos";
const char kMRUFloatY[] = "MRUFloatYPos";
const char kBars[] = "Bars";

// Where the extended keys go and come from: a profile section or a node.
class IKeys
{
public:
    virtual ~IKeys() = default;
    virtual int Int(LPCTSTR pszKey, int nDefault) = 0;
    virtual CString Text(LPCTSTR pszKey) = 0;
    virtual bool Binary(LPCTSTR pszKey, std::vector<BYTE>& data) = 0;
    virtual void PutInt(LPCTSTR pszKey, int nValue) = 0;
    virtual void PutText(LPCTSTR pszKey, const CString& strValue) = 0;
    virtual void PutBinary(LPCTSTR pszKey, const BYTE* pData, UINT nSize) = 0;
};

class CProfileKeys : public IKeys
{
public:
    CProfileKeys(CProfileStore& store, const CString& strSection) : m_store(store), m_strSection(strSection) {}
    int Int(LPCTSTR pszKey, int nDefault) override { return (int)m_store.GetInt(m_strSection, pszKey, nDefault); }
    CString Text(LPCTSTR pszKey) override { return m_store.GetString(m_strSection, pszKey, ""); }
    bool Binary(LPCTSTR pszKey, std::vector<BYTE>& data) override
    {
        return m_store.GetBinary(m_strSection, pszKey, data) != FALSE;
    }
    void PutInt(LPCTSTR pszKey, int nValue) override { m_store.WriteInt(m_strSection, pszKey, nValue); }
    void PutText(LPCTSTR pszKey, const CString& strValue) override { m_store.WriteString(m_strSection, pszKey, strValue); }
    void PutBinary(LPCTSTR pszKey, const BYTE* pData, UINT nSize) override
    {
        m_store.WriteBinary(m_strSection, pszKey, pData, nSize);
    }

private:
    CProfileStore& m_store;
    CString m_strSection;
};

class CNodeKeys : public IKeys
{
public:
    explicit CNodeKeys(SECPersistentTreeNode& node) : m_node(node) {}
    int Int(LPCTSTR pszKey, int nDefault) override
    {
        int n = nDefault;
        m_node.GetValue(pszKey, n, nDefault);
        return n;
    }
    CString Text(LPCTSTR pszKey) override
    {
        CString str;
        m_node.GetValue(pszKey, str);
        return str;
    }
    bool Binary(LPCTSTR pszKey, std::vector<BYTE>& data) override
    {
        BYTE* pData = nullptr;
        UINT nSize = 0;
        if (m_node.GetBinaryValue(pszKey, pData, nSize) != kPTNSuccess)
            return false;
        data.assign(pData, pData + nSize);
        delete[] pData;
        return true;
    }
    void PutInt(LPCTSTR pszKey, int nValue) override { m_node.SetValue(pszKey, nValue); }
    void PutText(LPCTSTR pszKey, const CString& strValue) override { m_node.SetValue(pszKey, strValue); }
    void PutBinary(LPCTSTR pszKey, const BYTE* pData, UINT nSize) override
    {
        m_node.SetBinaryValue(pszKey, pData, nSize);
    }

private:
    SECPersistentTreeNode& m_node;
};

CSize ReadSize(IKeys& keys, LPCTSTR pszCX, LPCTSTR pszCY)
{
    return CSize(std::max(0, keys.Int(pszCX, 0)), std::max(0, keys.Int(pszCY, 0)));
}

void WriteExtended(const SECControlBarInfo& info, IKeys& keys)
{
    keys.PutInt(kStyle, (int)info.m_dwStyle);
    keys.PutInt(kExStyle, (int)info.m_dwExStyle);
    keys.PutInt(kPrevFloating, info.m_bPrevFloating);
    keys.PutInt(kMDIChild, info.m_bMDIChild);
    if (info.m_bMDIChild)
        keys.PutBinary(kPlacement, reinterpret_cast<const BYTE*>(&info.m_wpMDIChild), sizeof info.m_wpMDIChild);
    keys.PutText(kPctWidth, SECControlBarInfo::FormatShare(info.m_fPctWidth));
    keys.PutInt(kFloatCX, info.m_szFloat.cx);
    keys.PutInt(kFloatCY, info.m_szFloat.cy);
    keys.PutInt(kHorzCX, info.m_szHorz.cx);
    keys.PutInt(kHorzCY, info.m_szHorz.cy);
    keys.PutInt(kVertCX, info.m_szVert.cx);
    keys.PutInt(kVertCY, info.m_szVert.cy);
    keys.PutInt(kDockingState, (int)info.m_dwMRUDockingState);
    keys.PutInt(kDockingStyle, (int)info.m_dwDockStyle);
    keys.PutInt(kTypeID, (int)info.m_nTypeID);
    keys.PutText(kClassName, info.m_strClassName);
    keys.PutText(kWindowName, info.m_strWindowName);
    keys.PutInt(kResourceID, (int)info.m_nResourceID);
}

void ReadExtended(SECControlBarInfo& info, IKeys& keys)
{
    info.m_dwStyle = (DWORD)keys.Int(kStyle, 0);
    info.m_dwExStyle = (DWORD)keys.Int(kExStyle, 0);
    info.m_bPrevFloating = keys.Int(kPrevFloating, 0);
    info.m_bMDIChild = keys.Int(kMDIChild, 0);
    std::vector<BYTE> placement;
    if (info.m_bMDIChild && keys.Binary(kPlacement, placement) && placement.size() == sizeof info.m_wpMDIChild)
        std::memcpy(&info.m_wpMDIChild, placement.data(), sizeof info.m_wpMDIChild);
    info.m_fPctWidth = SECControlBarInfo::ParseShare(keys.Text(kPctWidth));
    info.m_szFloat = ReadSize(keys, kFloatCX, kFloatCY);
    info.m_szHorz = ReadSize(keys, kHorzCX, kHorzCY);
    info.m_szVert = ReadSize(keys, kVertCX, kVertCY);
    info.m_dwMRUDockingState = (DWORD)keys.Int(kDockingState, (int)info.m_dwMRUDockingState);
    info.m_dwDockStyle = (DWORD)keys.Int(kDockingStyle, (int)info.m_dwDockStyle);
    info.m_nTypeID = (UINT)keys.Int(kTypeID, 0);
    info.m_strClassName = keys.Text(kClassName);
    info.m_strWindowName = keys.Text(kWindowName);
    info.m_nResourceID = (UINT)keys.Int(kResourceID, (int)info.m_nResourceID);
}

// The stored forms keep no dock-bar flag: the dock bars are known by their ids.
BOOL IsDockBarID(UINT nID) { return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_FLOAT; }

void ArchiveSize(CArchive& ar, CSize& size)
{
    if (ar.IsStoring()) {
        ar << (LONG)size.cx << (LONG)size.cy;
        return;
    }
    LONG cx = 0, cy = 0;
    ar >> cx >> cy;
    size = CSize(std::max<LONG>(0, cx), std::max<LONG>(0, cy));
}

} // namespace

// Extension ---

void SECControlBarInfoEx::Serialize(CArchive&, SECDockState*) {}
BOOL SECControlBarInfoEx::LoadState(SECPersistentTreeNode* pNode) { return pNode != nullptr; }
BOOL SECControlBarInfoEx::LoadState(CProfileStore&, LPCTSTR, SECDockState*) { return FALSE; }
BOOL SECControlBarInfoEx::SaveState(SECPersistentTreeNode*, SECPersistentTreeNode* pParent) { return pParent != nullptr; }
BOOL SECControlBarInfoEx::SaveState(CProfileStore&, LPCTSTR) { return FALSE; }

// Record ---

SECControlBarInfo::SECControlBarInfo(SECControlBarManager* pManager) : m_pManager(pManager)
{
    std::memset(&m_wpMDIChild, 0, sizeof m_wpMDIChild);
}

SECControlBarInfo::~SECControlBarInfo() { delete m_pInfoEx; }

CString SECControlBarInfo::FormatShare(float fShare)
{
    CString str;
    str.Format("%d", (int)(fShare * kShareScale));
    return str;
}

float SECControlBarInfo::ParseShare(const CString& strText)
{
    const float fShare = (float)(std::atoi(strText) / kShareScale);
    return fShare < 0.0f ? 0.0f : fShare;
}

void SECControlBarInfo::CreateInfoEx()
{
    if (m_pInfoEx || !m_pManager)
        return;
    m_pInfoEx = m_pManager->CreateBarInfoEx(this);
}

BOOL SECControlBarInfo::SaveState(CProfileStore& store, LPCTSTR lpszProfileName, int nIndex)
{
    if (!CControlBarInfo::SaveState(store, lpszProfileName, nIndex))
        return FALSE;
    const CString strSection = SectionName(lpszProfileName, nIndex);
    CProfileKeys keys(store, strSection);
    WriteExtended(*this, keys);
    if (m_pInfoEx)
        m_pInfoEx->SaveState(store, strSection);
    return TRUE;
}

BOOL SECControlBarInfo::LoadState(CProfileStore& store, LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    const BOOL bResult = CControlBarInfo::LoadState(store, lpszProfileName, nIndex, pDockState);
    m_bDockBar = IsDockBarID(m_nBarID);
    const CString strSection = SectionName(lpszProfileName, nIndex);
    CProfileKeys keys(store, strSection);
    ReadExtended(*this, keys);
    CreateInfoEx();
    if (m_pInfoEx)
        m_pInfoEx->LoadState(store, strSection, static_cast<SECDockState*>(pDockState));
    return bResult;
}

BOOL SECControlBarInfo::SaveBaseState(SECPersistentTreeNode* pNode)
{
    if (!pNode)
        return FALSE;
    SECPersistentTreeNode& node = *pNode;
    node.SetValue(kBarID, (int)m_nBarID);
    if (!m_bVisible)
        node.SetValue(kVisible, m_bVisible);
    if (m_bFloating) {
        node.SetValue(kHorz, m_bHorz);
        node.SetValue(kFloating, m_bFloating);
    }
    if (m_pointPos.x != -1)
        node.SetValue(kXPos, m_pointPos.x);
    if (m_pointPos.y != -1)
        node.SetValue(kYPos, m_pointPos.y);
    if (m_nMRUWidth != 32767)
        node.SetValue(kMRUWidth, (int)m_nMRUWidth);
    if (m_bDocking) {
        node.SetValue(kDocking, m_bDocking);
        node.SetValue(kMRUDockID, (int)m_uMRUDockID);
        node.SetValue(kMRUDockLeft, m_rectMRUDockPos.left);
        node.SetValue(kMRUDockTop, m_rectMRUDockPos.top);
        node.SetValue(kMRUDockRight, m_rectMRUDockPos.right);
        node.SetValue(kMRUDockBottom, m_rectMRUDockPos.bottom);
        node.SetValue(kMRUFloatStyle, (int)m_dwMRUFloatStyle);
        node.SetValue(kMRUFloatX, m_ptMRUFloatPos.x);
        node.SetValue(kMRUFloatY, m_ptMRUFloatPos.y);
    }
    if (m_arrBarID.GetSize() > 1) {
        node.SetValue(kBars, m_arrBarID.GetSize());
        for (int i = 0; i < m_arrBarID.GetSize(); ++i) {
            CString strKey;
            strKey.Format("Bar#%d", i);
            node.SetValue(strKey, (int)(UINT_PTR)m_arrBarID[i]);
        }
    }
    return TRUE;
}

BOOL SECControlBarInfo::LoadBaseState(SECPersistentTreeNode* pNode, SECDockState* pDockState)
{
    if (!pNode)
        return FALSE;
    CNodeKeys keys(*pNode);
    m_nBarID = (UINT)keys.Int(kBarID, 0);
    m_bDockBar = IsDockBarID(m_nBarID);
    m_bVisible = keys.Int(kVisible, TRUE);
    m_bHorz = keys.Int(kHorz, TRUE);
    m_bFloating = keys.Int(kFloating, FALSE);
    m_pointPos = CPoint(keys.Int(kXPos, -1), keys.Int(kYPos, -1));
    if (pDockState && m_pointPos != CPoint(-1, -1))
        pDockState->ScalePoint(m_pointPos);
    m_nMRUWidth = (UINT)keys.Int(kMRUWidth, 32767);
    m_bDocking = keys.Int(kDocking, 0);
    if (m_bDocking) {
        m_uMRUDockID = (UINT)keys.Int(kMRUDockID, 0);
        m_rectMRUDockPos = CRect(keys.Int(kMRUDockLeft, 0), keys.Int(kMRUDockTop, 0), keys.Int(kMRUDockRight, 0),
                                 keys.Int(kMRUDockBottom, 0));
        m_dwMRUFloatStyle = (DWORD)keys.Int(kMRUFloatStyle, 0);
        m_ptMRUFloatPos = CPoint(keys.Int(kMRUFloatX, 0), keys.Int(kMRUFloatY, 0));
        if (pDockState) {
            pDockState->ScaleRectPos(m_rectMRUDockPos);
            pDockState->ScalePoint(m_ptMRUFloatPos);
        }
    }
    const int nBars = std::clamp(keys.Int(kBars, 0), 0, kMaxBarIDs);
    m_arrBarID.RemoveAll();
    for (int i = 0; i < nBars; ++i) {
        CString strKey;
        strKey.Format("Bar#%d", i);
        m_arrBarID.Add((void*)(UINT_PTR)(UINT)keys.Int(strKey, 0));
    }
    return m_nBarID != 0;
}

BOOL SECControlBarInfo::SaveExtendedState(SECPersistentTreeNode* pNode)
{
    if (!pNode)
        return FALSE;
    CNodeKeys keys(*pNode);
    WriteExtended(*this, keys);
    return TRUE;
}

BOOL SECControlBarInfo::LoadExtendedState(SECPersistentTreeNode* pNode)
{
    if (!pNode)
        return FALSE;
    CNodeKeys keys(*pNode);
    ReadExtended(*this, keys);
    return TRUE;
}

BOOL SECControlBarInfo::SaveState(SECPersistentTreeNode* pParent, int nIndex)
{
    if (!pParent || IsDefaultDockBar())
        return FALSE;
    CString strName;
    strName.Format("Bar-%d", nIndex);
    SECPersistentTreeNode* pNode = pParent->FindChild(strName);
    if (!pNode)
        pNode = pParent->CreateChild(strName);
    if (!pNode)
        return FALSE;
    SaveBaseState(pNode);
    SaveExtendedState(pNode);
    if (m_pInfoEx)
        m_pInfoEx->SaveState(pNode, pParent);
    return TRUE;
}

BOOL SECControlBarInfo::LoadState(SECPersistentTreeNode* pNode, SECDockState* pDockState)
{
    if (!pNode)
        return FALSE;
    const BOOL bResult = LoadBaseState(pNode, pDockState);
    LoadExtendedState(pNode);
    CreateInfoEx();
    if (m_pInfoEx)
        m_pInfoEx->LoadState(pNode);
    return bResult;
}

BOOL SECControlBarInfo::Serialize(CArchive& ar, CDockState* pDockState)
{
    SerializeBase(ar, pDockState);
    if (!ar.IsStoring())
        m_bDockBar = IsDockBarID(m_nBarID);
    CString strShare;
    if (ar.IsStoring()) {
        ar << (DWORD)m_dwStyle << (DWORD)m_dwExStyle << (DWORD)m_bPrevFloating << (DWORD)m_bMDIChild;
        ar << FormatShare(m_fPctWidth);
    } else {
        DWORD dw[4];
        ar >> dw[0] >> dw[1] >> dw[2] >> dw[3];
        m_dwStyle = dw[0];
        m_dwExStyle = dw[1];
        m_bPrevFloating = dw[2] != 0;
        m_bMDIChild = dw[3] != 0;
        ar >> strShare;
        m_fPctWidth = ParseShare(strShare);
    }
    ArchiveSize(ar, m_szFloat);
    ArchiveSize(ar, m_szHorz);
    ArchiveSize(ar, m_szVert);
    if (ar.IsStoring()) {
        ar << (DWORD)m_dwMRUDockingState << (DWORD)m_dwDockStyle << (DWORD)m_nTypeID;
    } else {
        DWORD dw[3];
        ar >> dw[0] >> dw[1] >> dw[2];
        m_dwMRUDockingState = dw[0];
        m_dwDockStyle = dw[1];
        m_nTypeID = dw[2];
        CreateInfoEx();
    }
    if (m_pInfoEx)
        m_pInfoEx->Serialize(ar, static_cast<SECDockState*>(pDockState));
    SerializeBarIDs(ar);
    return TRUE;
}
