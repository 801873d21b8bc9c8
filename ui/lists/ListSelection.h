// The list's one selection engine: clicks, navigation keys and type-ahead
// all select through SelectListItem, which decides from the keys and the
// present selection what changes. The host carries out the primitives and
// answers the selection-changing hook (nonzero vetoes).
#pragma once

#include "framework/Types.h"

// Key flags of the engine (the mouse message's).
constexpr UINT kListKeyRButton = 0x0002;
constexpr UINT kListKeyShift = 0x0004;
constexpr UINT kListKeyControl = 0x0008;

class IListSelectionHost {
 public:
  virtual ~IListSelectionHost() = default;
  virtual BOOL IsMultiSelect() const = 0;
  virtual int GetFocusItem() const = 0;
  virtual int GetAnchorItem() const = 0;
  virtual void SetAnchorItem(int nItem) = 0;
  virtual BOOL IsItemSelected(int nItem) const = 0;
  virtual int GetSelectedCount() const = 0;
  virtual void SetFocusItem(int nItem, BOOL bSelect) = 0;  // the anchor follows
  virtual void SetCaretItem(int nItem) = 0;                // the anchor follows
  virtual void DeselectAllExcept(int nItem) = 0;
  virtual void SelectRange(int nFirst, int nLast, BOOL bSelect) = 0;
  virtual int OnSelChanging(int nItem, int nOld, BOOL bMouse) = 0;
  virtual void OnSelChanged(int nItem, int nOld, BOOL bMouse) = 0;
  virtual void HideTip() = 0;
  virtual void InvalidateItemRange(int nFirst, int nLast) = 0;
};

// FALSE only when the selection-changing hook vetoed. bVetoed carries the
// last veto between calls (a vetoed change stops Shift and Ctrl selection).
BOOL SelectListItem(IListSelectionHost& host, int nItem, UINT nKeyFlags, BOOL bMouse, BOOL& bVetoed);
