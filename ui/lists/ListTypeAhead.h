// Type-ahead search of the list: characters typed within one timer period
// build a prefix, and the first item from the focus on (wrapping) whose
// label starts with it, in any case, is the match. A failed search beeps
// once and ignores typing until a whole tick passes without a key.
#pragma once

#include "framework/Types.h"

#include <functional>
#include <string>

class CListTypeAhead {
 public:
  enum Flags : UINT { kActive = 1, kTyped = 2, kFailed = 4, kOff = 8 };
  enum class Action { kNone, kMatch, kBeep };
  struct Result {
    Action action = Action::kNone;
    int nItem = -1;
    bool bStartTimer = false;  // a new search began: (re)start the tick
  };
  using LabelOf = std::function<std::string(int)>;

  // One typed character; nFocus the focus item, nCount the item count.
  Result OnChar(char ch, int nFocus, int nCount, const LabelOf& labelOf);
  // One timer tick; true when the search is over and the timer should stop.
  bool OnTick();

  UINT GetFlags() const { return m_nFlags; }
  void SetFlags(UINT nFlags) { m_nFlags = nFlags; }
  const std::string& GetBuffer() const { return m_buffer; }

 private:
  static bool StartsWith(const std::string& label, const std::string& prefix);

  UINT m_nFlags = 0;
  std::string m_buffer;
};
