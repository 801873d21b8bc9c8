#include "ui/lists/SubItemTextStorage.h"

#include <cstring>

namespace {

void CopyCut(LPTSTR pszBuffer, int cchBuffer, LPCTSTR pszText) {
  if (pszBuffer == nullptr || cchBuffer < 1)
    return;
  size_t length = std::strlen(pszText);
  if (length > static_cast<size_t>(cchBuffer - 1))
    length = static_cast<size_t>(cchBuffer - 1);
  std::memcpy(pszBuffer, pszText, length);
  pszBuffer[length] = '\0';
}

}  // namespace

BOOL SECSubItemTextStorage::GetSubItemText(HTREEITEM hItem, int nCol, LPTSTR pszBuffer, int cchBuffer) const {
  auto found = m_texts.find(hItem);
  if (nCol < 1 || found == m_texts.end() || nCol > found->second->GetSize()) {
    CopyCut(pszBuffer, cchBuffer, "");
    return FALSE;
  }
  CopyCut(pszBuffer, cchBuffer, found->second->GetAt(nCol - 1));
  return TRUE;
}

BOOL SECSubItemTextStorage::SetSubItemText(HTREEITEM hItem, int nCol, LPCTSTR pszText) {
  if (nCol < 1)
    return FALSE;
  std::unique_ptr<CStringArray>& texts = m_texts[hItem];
  if (!texts)
    texts = std::make_unique<CStringArray>();
  texts->SetAtGrow(nCol - 1, pszText != nullptr ? pszText : "");
  return TRUE;
}

BOOL SECSubItemTextStorage::MoveSubItemText(HTREEITEM hItem, int nFrom, int nTo) {
  auto found = m_texts.find(hItem);
  if (found == m_texts.end() || nFrom < 1 || nTo < 1)
    return FALSE;
  CStringArray& texts = *found->second;
  // A column past the array's end holds "": grow to it rather than read or
  // write beyond the array.
  int needed = nFrom > nTo ? nFrom : nTo;
  if (texts.GetSize() < needed)
    texts.SetSize(needed);
  CString text = texts.GetAt(nFrom - 1);
  texts.RemoveAt(nFrom - 1);
  texts.InsertAt(nTo - 1, text);
  return TRUE;
}

void SECSubItemTextStorage::RemoveItem(HTREEITEM hItem) {
  m_texts.erase(hItem);
}
