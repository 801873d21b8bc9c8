#include "ui/lists/ListSelection.h"

namespace {

BOOL Ask(IListSelectionHost& host, int nItem, int nOld, BOOL bMouse, BOOL& bVetoed) {
  bVetoed = host.OnSelChanging(nItem, nOld, bMouse) != 0;
  return !bVetoed;
}

// Shift or Ctrl in a multiple selection; FALSE when vetoed.
BOOL ExtendSelection(IListSelectionHost& host, int nItem, UINT nKeyFlags, BOOL bMouse, BOOL& bVetoed) {
  int nOld = host.GetFocusItem();
  if (bVetoed)
    return TRUE;
  if (!(nKeyFlags & kListKeyShift)) {
    if (!bMouse) {
      host.HideTip();
      host.SetCaretItem(nItem);
      return TRUE;
    }
    if (!Ask(host, nItem, nOld, bMouse, bVetoed))
      return FALSE;
    host.HideTip();
    host.SetFocusItem(nItem, !host.IsItemSelected(nItem));
    return TRUE;
  }
  int nAnchor = host.GetAnchorItem();
  if (nAnchor < 0 || nItem == nOld)
    return TRUE;
  if (!Ask(host, nItem, nOld, bMouse, bVetoed))
    return FALSE;
  host.HideTip();
  host.DeselectAllExcept(-1);
  host.SelectRange(nAnchor, nItem, TRUE);
  host.SetFocusItem(nItem, TRUE);
  host.SetAnchorItem(nAnchor);
  host.InvalidateItemRange(nAnchor, nItem);
  return TRUE;
}

}  // namespace

BOOL SelectListItem(IListSelectionHost& host, int nItem, UINT nKeyFlags, BOOL bMouse, BOOL& bVetoed) {
  int nOld = host.GetFocusItem();
  if (host.IsMultiSelect() && (nKeyFlags & (kListKeyShift | kListKeyControl))) {
    if (!ExtendSelection(host, nItem, nKeyFlags, bMouse, bVetoed))
      return FALSE;
    host.OnSelChanged(nItem, nOld, bMouse);
    return TRUE;
  }
  BOOL bSelected = host.IsItemSelected(nItem);
  if ((nItem == nOld && bSelected) || (bSelected && host.GetSelectedCount() > 1))
    return TRUE;  // the button-up handler narrows a multiple selection
  if (bSelected && (nKeyFlags & kListKeyRButton)) {
    int nAnchor = host.GetAnchorItem();
    host.HideTip();
    host.SetCaretItem(nItem);
    host.SetAnchorItem(nAnchor);
  } else {
    if (!Ask(host, nItem, nOld, bMouse, bVetoed))
      return FALSE;
    host.HideTip();
    host.DeselectAllExcept(nItem);
    host.SetFocusItem(nItem, TRUE);
  }
  host.OnSelChanged(nItem, nOld, bMouse);
  return TRUE;
}
