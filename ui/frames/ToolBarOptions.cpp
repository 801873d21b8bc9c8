#include "ui/frames/ToolBarOptions.h"

#include "framework/ProfileStore.h"
#include "ui/frames/SECPersistentTreeNode.h"

#include <algorithm>

namespace {

const char kToolTips[] = "ToolTips";
const char kCoolLook[] = "CoolLook";
const char kLargeButtons[] = "LargeButtons";
const char kNodeName[] = "ToolBarMgr";

CString SectionName(LPCTSTR lpszProfileName)
{
    CString strSection;
    strSection.Format("%s-ToolBarManager", lpszProfileName);
    return strSection;
}

} // namespace

UINT NextUserToolBarID(const std::vector<UINT>& usedIDs)
{
    for (UINT nID = kFirstUserToolBarID; nID <= kLastUserToolBarID; ++nID)
        if (std::find(usedIDs.begin(), usedIDs.end(), nID) == usedIDs.end())
            return nID;
    return 0;
}

void ToolBarOptions::Load(CProfileStore& store, LPCTSTR lpszProfileName)
{
    const CString strSection = SectionName(lpszProfileName);
    bToolTips = store.GetInt(strSection, kToolTips, bToolTips) != 0;
    bCoolLook = store.GetInt(strSection, kCoolLook, bCoolLook) != 0;
    bLargeButtons = store.GetInt(strSection, kLargeButtons, bLargeButtons) != 0;
}

BOOL ToolBarOptions::Save(CProfileStore& store, LPCTSTR lpszProfileName) const
{
    const CString strSection = SectionName(lpszProfileName);
    return store.WriteInt(strSection, kToolTips, bToolTips ? 1 : 0) &&
           store.WriteInt(strSection, kCoolLook, bCoolLook ? 1 : 0) &&
           store.WriteInt(strSection, kLargeButtons, bLargeButtons ? 1 : 0);
}

void ToolBarOptions::Load(SECPersistentTreeNode* pParent)
{
    SECPersistentTreeNode* pNode = pParent != nullptr ? pParent->FindChild(kNodeName) : nullptr;
    if (pNode == nullptr) {
        bToolTips = TRUE;
        bCoolLook = TRUE;
        bLargeButtons = FALSE;
        return;
    }
    pNode->GetBoolValue(kToolTips, bToolTips, bToolTips);
    pNode->GetBoolValue(kCoolLook, bCoolLook, bCoolLook);
    pNode->GetBoolValue(kLargeButtons, bLargeButtons, bLargeButtons);
}

BOOL ToolBarOptions::Save(SECPersistentTreeNode* pParent) const
{
    if (pParent == nullptr)
        return FALSE;
    SECPersistentTreeNode* pNode = pParent->FindChild(kNodeName);
    if (pNode == nullptr)
        pNode = pParent->CreateChild(kNodeName);
    if (pNode == nullptr)
        return FALSE;
    pNode->SetBoolValue(kToolTips, bToolTips);
    pNode->SetBoolValue(kCoolLook, bCoolLook);
    pNode->SetBoolValue(kLargeButtons, bLargeButtons);
    return TRUE;
}
