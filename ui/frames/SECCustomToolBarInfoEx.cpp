#include "ui/frames/SECCustomToolBarInfoEx.h"

#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/ProfileStore.h"
#include "ui/frames/SECPersistentTreeNode.h"

namespace {

const char kTitle[] = "Title";
const char kButtons[] = "Buttons";
const char kNodeName[] = "ToolBarInfoEx";
constexpr size_t kRecordHeader = 5;

UINT ReadLittleEndian32(const BYTE* p)
{
    return (UINT)p[0] | ((UINT)p[1] << 8) | ((UINT)p[2] << 16) | ((UINT)p[3] << 24);
}

} // namespace

std::vector<BYTE> SECCustomToolBarInfoEx::EncodeButtons(const std::vector<SECBtnInfo>& buttons)
{
    std::vector<BYTE> blob;
    for (const SECBtnInfo& info : buttons) {
        const size_t nBytes = std::min<size_t>(info.data.size(), 255);
        for (int shift = 0; shift < 32; shift += 8)
            blob.push_back((BYTE)(info.nID >> shift));
        blob.push_back((BYTE)nBytes);
        blob.insert(blob.end(), info.data.begin(), info.data.begin() + (ptrdiff_t)nBytes);
    }
    return blob;
}

BOOL SECCustomToolBarInfoEx::DecodeButtons(const BYTE* pData, size_t nSize, std::vector<SECBtnInfo>& buttons)
{
    buttons.clear();
    size_t pos = 0;
    while (pos < nSize) {
        if (nSize - pos < kRecordHeader)
            return FALSE;
        const size_t nBytes = pData[pos + 4];
        if (nSize - pos - kRecordHeader < nBytes)
            return FALSE;
        SECBtnInfo info;
        info.nID = ReadLittleEndian32(pData + pos);
        info.data.assign(pData + pos + kRecordHeader, pData + pos + kRecordHeader + nBytes);
        buttons.push_back(std::move(info));
        pos += kRecordHeader + nBytes;
    }
    return TRUE;
}

void SECCustomToolBarInfoEx::Serialize(CArchive& ar, SECDockState*)
{
    if (ar.IsStoring()) {
        ar << m_strTitle;
        ar.WriteCount((DWORD)m_btnInfo.size());
        for (const SECBtnInfo& info : m_btnInfo) {
            const BYTE nBytes = (BYTE)std::min<size_t>(info.data.size(), 255);
            ar << (DWORD)info.nID << nBytes;
            ar.Write(info.data.data(), nBytes);
        }
        return;
    }
    m_btnInfo.clear();
    ar >> m_strTitle;
    const DWORD nCount = ar.ReadCount();
    for (DWORD i = 0; i < nCount; ++i) {
        SECBtnInfo info;
        DWORD nID = 0;
        BYTE nBytes = 0;
        ar >> nID >> nBytes;
        info.nID = nID;
        info.data.resize(nBytes);
        ar.EnsureRead(info.data.data(), nBytes);
        m_btnInfo.push_back(std::move(info));
    }
}

BOOL SECCustomToolBarInfoEx::SaveState(CProfileStore& store, LPCTSTR lpszSection)
{
    if (!m_strTitle.IsEmpty())
        store.WriteString(lpszSection, kTitle, m_strTitle);
    const std::vector<BYTE> blob = EncodeButtons(m_btnInfo);
    return store.WriteBinary(lpszSection, kButtons, blob.data(), (UINT)blob.size());
}

BOOL SECCustomToolBarInfoEx::LoadState(CProfileStore& store, LPCTSTR lpszSection, SECDockState*)
{
    m_strTitle = store.GetString(lpszSection, kTitle, "");
    std::vector<BYTE> blob;
    if (!store.GetBinary(lpszSection, kButtons, blob)) {
        m_btnInfo.clear();
        return FALSE;
    }
    return DecodeButtons(blob.data(), blob.size(), m_btnInfo);
}

BOOL SECCustomToolBarInfoEx::SaveState(SECPersistentTreeNode* pNode, SECPersistentTreeNode*)
{
    if (pNode == nullptr)
        return FALSE;
    SECPersistentTreeNode* pChild = pNode->FindChild(kNodeName);
    if (pChild == nullptr)
        pChild = pNode->CreateChild(kNodeName);
    if (pChild == nullptr)
        return FALSE;
    pChild->SetValue(kTitle, m_strTitle);
    const std::vector<BYTE> blob = EncodeButtons(m_btnInfo);
    if (blob.empty()) {
        pChild->RemoveValue(kButtons);
        return TRUE;
    }
    return pChild->SetBinaryValue(kButtons, blob.data(), (UINT)blob.size()) == kPTNSuccess;
}

BOOL SECCustomToolBarInfoEx::LoadState(SECPersistentTreeNode* pNode)
{
    m_btnInfo.clear();
    SECPersistentTreeNode* pChild = pNode != nullptr ? pNode->FindChild(kNodeName) : nullptr;
    if (pChild == nullptr)
        return FALSE;
    pChild->GetValue(kTitle, m_strTitle);
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (pChild->GetBinaryValue(kButtons, pData, nSize) != kPTNSuccess)
        return TRUE;   // a bar without buttons
    const BOOL bResult = DecodeButtons(pData, nSize, m_btnInfo);
    delete[] pData;
    return bResult;
}
