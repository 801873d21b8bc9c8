// The editable list box: a header strip with command buttons above a
// dialog's list box, an in-place edit over one row, keys and row dragging.
// The row rules live in ListBoxEditorLogic; this is their window side. It is
// the worked example of the control pattern (docs/control-pattern.md).
//
// Not yet:
// - a header button press is tracked by the header's own capture handlers,
//   not by a capture loop;
// - the rules are not told when a sent notification destroyed the list box:
//   they go on, and their calls then reach no window;
// - no drag cursor: the pointer keeps the arrow while a row is dragged.
#pragma once

#include "framework/Framework.h"
#include "mvc/controls/ListBoxEditorLogic.h"

#include <memory>

class SECListBoxEditor;

// The dialog's own list box, subclassed: its keys, clicks, focus changes and
// the in-place edit's end notice go to the editor.
class SECListBoxEditorHelper : public CListBox {
 public:
  explicit SECListBoxEditorHelper(SECListBoxEditor* editor) : m_pEditor(editor) {}

 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnEditEnded(NMHDR* pNotice, LRESULT* pResult);
  afx_msg void OnEditButtonClicked();
  afx_msg LRESULT OnCancelMessage(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  SECListBoxEditor* m_pEditor;
};

// The in-place edit over one row.
class SECListBoxEdit : public CEdit {
 public:
  static constexpr UINT kId = 100;
  static constexpr UINT kEndNotice = 1000;

  SECListBoxEdit(SECListBoxEditor* editor, int row, BOOL bNewItem, int previousSelection, UINT buttonId);
  BOOL Create(CListBox& list, const CRect& rect, LPCTSTR pszInitialText);
  // Enter writes the text into the row; Escape cancels. Either way the list
  // box is told the edit has ended, and it destroys this window: FALSE when
  // it did, and the caller must not touch the window again.
  BOOL End(BOOL bCommit);
  BOOL HasEnded() const { return m_bEnded; }

 protected:
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  DECLARE_MESSAGE_MAP()

 private:
  void EndAndMoveFocus(BOOL bPrevious);
  BOOL SpaceAdvances() const;
  CWnd* EditButton() const;

  SECListBoxEditor* m_pEditor;
  int m_nRow;
  BOOL m_bNewItem;
  int m_nPreviousSelection;
  UINT m_nButtonId;
  BOOL m_bEnded = FALSE;
};

// The header strip above the list box: caption, command buttons and their
// tips; it runs the in-place edit and row drags. It owns the edit, the list
// box subclass and the bitmaps; the rows stay the dialog's data.
class SECListBoxEditor : public CWnd, public ListBoxEditorLogic {
 public:
  enum Button { kNew, kDelete, kMoveUp, kMoveDown, kButtonCount };
  static constexpr UINT kEditButtonId = 101;
  static constexpr UINT kCancelMessage = 0x500;

  SECListBoxEditor();
  ~SECListBoxEditor() override;

  virtual BOOL Initialize(UINT nID, CWnd* pParent, DWORD dwStyle) { return Initialize(pParent, nID, dwStyle); }
  virtual BOOL Initialize(CWnd* pParent, UINT nID, DWORD dwStyle);
  virtual void SetAutoAdvance(BOOL bAutoAdvance) { m_bAutoAdvance = bAutoAdvance; }
  void EndEdit() override;
  BOOL EditCurrentItem(UINT nChar) override;
  virtual int CalcHeaderHeight();
  virtual void LayoutButtons();
  virtual void UpdateToolTips();
  virtual void RecalcLayout();
  virtual void SetButtonFlags(DWORD dwStyle);
  virtual void SetAutoAdvanceSpaces(int nSpaces) { m_nAutoAdvanceSpaces = nSpaces; }
  virtual void OnEditButton() {}

  CListBox* GetListBoxCtrl() const { return m_pHelper.get(); }
  BOOL IsInitialized() const { return m_bInitialized; }
  BOOL GetAutoAdvance() const { return m_bAutoAdvance; }
  int GetAutoAdvanceSpaces() const { return m_nAutoAdvanceSpaces; }
  SECListBoxEdit* GetEdit() const { return m_pEdit.get(); }
  CRect GetButtonRect(int button) const { return m_rcButtons[button]; }
  // Runs a header button's command.
  BOOL RunCommand(int button);

  // What the list box subclass passes on; FALSE leaves the message to the
  // list box.
  BOOL OnListChar(UINT nChar);
  BOOL OnListKeyDown(UINT nChar);
  BOOL OnListSysKeyDown(UINT nChar);
  void OnListLButtonDown(UINT nFlags, CPoint point);
  void OnListLButtonDblClk(CPoint point);
  void OnEditEnded(HWND hEdit);

 protected:
  BOOL BeginEdit(int nIndex, BOOL bNewItem, LPCTSTR pszInitialText) override;
  void Notify(int code, BOOL bPost) override;

  afx_msg void OnPaint();
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnMove(int x, int y);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void LoadButtonBitmaps();
  // Where the caption goes: the header less the buttons, one line high.
  CRect CaptionRect() const;
  void FitHeaderToCaption();
  void PaintCaption(CDC& dc, const CRect& client);
  void PaintButtons(CDC& dc);
  int ButtonAt(CPoint point) const;
  // Ends a header button press; the command runs when bRun is set.
  void ReleaseButton(BOOL bRun);
  void PlaceHeaderAndList(const CRect& area, const CWnd* pInsertAfter);
  void RunDrag(CPoint press);
  void DestroyEditButton();

  CButton m_btnEdit;
  std::unique_ptr<SECListBoxEdit> m_pEdit;
  std::unique_ptr<SECListBoxEdit> m_pEndedEdit;  // its window is gone; see EndEdit
  std::unique_ptr<SECListBoxEditorHelper> m_pHelper;
  std::unique_ptr<IListBoxRows> m_pListRows;
  CRect m_rcButtons[kButtonCount];
  BOOL m_bShowButton[kButtonCount] = {TRUE, TRUE, TRUE, TRUE};
  CBitmap m_bitmaps[kButtonCount];
  BOOL m_bInitialized = FALSE;
  int m_nHeaderHeight = 0;
  BOOL m_bAutoAdvance = FALSE;
  int m_nAutoAdvanceSpaces = 1;
  int m_nPressed = -1;   // header button being pressed
  BOOL m_bPressedIn = FALSE;
};
