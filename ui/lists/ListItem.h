// The records of the list engine: a cell text that may be absent or asked
// of the parent, an item with its sub-items and cached row layout, and a
// column. The list owns them; a derived control may derive its own items.
#pragma once

#include "ui/lists/ListTypes.h"

#include <memory>
#include <string>
#include <vector>

// A cell's text: none, the callback marker (the parent supplies it) or an
// owned copy.
class SECListText {
 public:
  enum class Kind { kNone, kCallback, kText };

  Kind GetKind() const { return m_kind; }
  bool IsCallback() const { return m_kind == Kind::kCallback; }
  // Null, the callback marker or a copy (the marker -1 makes a callback).
  void Set(LPCSTR pszText);
  void SetCallback() {
    m_kind = Kind::kCallback;
    m_text.clear();
  }
  // The text as the list-view records carry it: null, -1 or the stored text.
  LPSTR Pointer();
  // The stored text; empty for none and for a callback.
  const std::string& Get() const { return m_text; }

 private:
  Kind m_kind = Kind::kNone;
  std::string m_text;
};

class SECListSubItem {
 public:
  SECListSubItem() { m_text.SetCallback(); }
  virtual ~SECListSubItem() = default;

  SECListText m_text;  // a new cell asks the parent until its text is set
  DWORD m_dwReserved = 0;
  RECT m_rcText{};  // text rectangle relative to the row
};

class SECListItem {
 public:
  virtual ~SECListItem() = default;

  // Sub-item n (1-based) or null.
  SECListSubItem* GetSubItem(int nSubItem) const;

  std::vector<std::unique_ptr<SECListSubItem>> m_subItems;  // [n-1] is sub-item n
  SECListText m_text;
  UINT m_state = 0;  // LVIS_ bits but focused, selected, drop-highlighted
  int m_iImage = 0;  // I_IMAGECALLBACK asks the parent
  LPARAM m_lParam = 0;
  int m_nHeight = -1;  // row height in pixels; -1 not yet measured
  DWORD m_dwStateEx = 0;
  BOOL m_bNeedsMeasure = TRUE;
  RECT m_rcText{};  // label text, relative to the row
  RECT m_rcIcon{};
  RECT m_rcStateIcon{};
};

// One column. The first column always shows the label (sub-item 0).
struct SECListColumn {
  int fmt = LVCFMT_LEFT;  // LVCFMT_ justification, LVCFMT_IMAGE_RIGHT
  int cx = 0;             // width in pixels
  std::string heading;
  int iSubItem = 0;  // 0 the label, n the n-th sub-item
  int iImage = -1;   // header image, -1 none
};
