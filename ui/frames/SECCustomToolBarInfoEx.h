// SECCustomToolBarInfoEx: what a custom toolbar adds to its record in a
// saved layout: its title and its buttons in display order, each a command
// id (0 for a separator) with the button's own extra bytes.
//
// The "Buttons" blob packs the records with no header and no count:
// 32-bit little-endian id, 8-bit byte count n, then n bytes.
#pragma once

#include "ui/frames/SECControlBarInfo.h"

#include <vector>

struct SECBtnInfo
{
    UINT nID = 0;
    std::vector<BYTE> data;   // at most 255 bytes
};

class SECCustomToolBarInfoEx : public SECControlBarInfoEx
{
public:
    void Serialize(CArchive& ar, SECDockState* pDockState) override;
    BOOL LoadState(SECPersistentTreeNode* pNode) override;
    BOOL LoadState(CProfileStore& store, LPCTSTR lpszSection, SECDockState* pDockState) override;
    BOOL SaveState(SECPersistentTreeNode* pNode, SECPersistentTreeNode* pParent) override;
    BOOL SaveState(CProfileStore& store, LPCTSTR lpszSection) override;

    static std::vector<BYTE> EncodeButtons(const std::vector<SECBtnInfo>& buttons);
    // The records up to the first one that runs past the end; FALSE when
    // such a record was refused.
    static BOOL DecodeButtons(const BYTE* pData, size_t nSize, std::vector<SECBtnInfo>& buttons);

    CString m_strTitle;
    std::vector<SECBtnInfo> m_btnInfo;   // SECBtnInfoArray
};
