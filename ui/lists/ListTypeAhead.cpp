#include "ui/lists/ListTypeAhead.h"

#include <cctype>

bool CListTypeAhead::StartsWith(const std::string& label, const std::string& prefix) {
  if (label.size() < prefix.size())
    return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(label[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

CListTypeAhead::Result CListTypeAhead::OnChar(char ch, int nFocus, int nCount, const LabelOf& labelOf) {
  Result result;
  if (m_nFlags & kFailed) {
    m_nFlags |= kTyped;
    return result;
  }
  if (!(m_nFlags & kActive)) {
    m_nFlags |= kActive;
    m_buffer.clear();
    result.bStartTimer = true;
  }
  m_buffer += ch;
  if (nCount <= 0)
    return result;
  int nStart = nFocus;
  if (m_buffer.size() == 1)
    nStart = nFocus + 1 >= nCount ? 0 : nFocus + 1;
  if (nStart < 0 || nStart >= nCount)
    nStart = 0;
  for (int n = 0; n < nCount; ++n) {
    int nItem = (nStart + n) % nCount;
    if (StartsWith(labelOf(nItem), m_buffer)) {
      m_nFlags |= kTyped;
      result.action = Action::kMatch;
      result.nItem = nItem;
      return result;
    }
  }
  m_nFlags |= kTyped | kFailed;
  result.action = Action::kBeep;
  return result;
}

bool CListTypeAhead::OnTick() {
  if ((m_nFlags & kTyped) && (m_nFlags & kActive)) {
    m_nFlags &= ~kTyped;
    return false;
  }
  m_nFlags &= kOff;
  m_buffer.clear();
  return true;
}
