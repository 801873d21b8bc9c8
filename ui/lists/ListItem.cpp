#include "ui/lists/ListItem.h"

void SECListText::Set(LPCSTR pszText) {
  if (pszText == LPSTR_TEXTCALLBACK) {
    SetCallback();
    return;
  }
  m_kind = pszText == nullptr ? Kind::kNone : Kind::kText;
  m_text = pszText == nullptr ? std::string() : std::string(pszText);
}

LPSTR SECListText::Pointer() {
  switch (m_kind) {
    case Kind::kNone: return nullptr;
    case Kind::kCallback: return LPSTR_TEXTCALLBACK;
    case Kind::kText: break;
  }
  return m_text.data();
}

SECListSubItem* SECListItem::GetSubItem(int nSubItem) const {
  if (nSubItem < 1 || nSubItem > static_cast<int>(m_subItems.size()))
    return nullptr;
  return m_subItems[nSubItem - 1].get();
}
