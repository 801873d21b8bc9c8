// Control helpers of the design dialogs: combo boxes filled from a list
// and selected by exact name (never the first name that merely begins with
// it), spin ranges, list rows and the values a dialog remembers.
#pragma once

#include "framework/Framework.h"

#include <vector>

void FillCombo(CComboBox& combo, const std::vector<CString>& items);
// Selects the item equal to the name in any case; a name the list does not
// hold is added, so it is kept as the user's file had it. Empty selects none.
void SelectExact(CComboBox& combo, const CString& strName);
CString SelectedText(CComboBox& combo);
// The drop-down list shows every entry where the screen has room for them.
void ShowAllEntries(CComboBox& combo);
// The fifteen array names, the index being the code.
void FillArrayTypes(CComboBox& combo);
// The array names whose types have a command pattern, each item's data
// being its code.
void FillGeneratedArrayTypes(CComboBox& combo);
void SelectArrayCode(CComboBox& combo, int nCode);
// The code of the chosen item, -1 for none.
int SelectedArrayCode(CComboBox& combo);

// The range of a spin button of the dialog.
void SetSpinRange(CWnd* pDialog, int nId, int nLower, int nUpper);
void EnableItem(CWnd* pDialog, int nId, BOOL bEnable);
// The row's text, or empty for a row that is not there.
CString RowText(CListBox* pListBox, int nIndex);
// Every row of the list in order; empty ones too unless bSkipEmpty.
std::vector<CString> ListRows(CListBox* pListBox, BOOL bSkipEmpty);
// The caption followed by ": #<line>".
void AppendLineToCaption(CWnd* pDialog, int nLine);
// The values a dialog remembers: profile entry "Members" of its section.
CString ReadMembers(LPCTSTR pszSection, LPCTSTR pszDefault);
void WriteMembers(LPCTSTR pszSection, const std::vector<int>& values);
