// Combo box helpers of the design dialogs: fill from a list and select a
// name exactly (never the first name that merely begins with it).
#pragma once

#include "framework/Framework.h"

#include <vector>

void FillCombo(CComboBox& combo, const std::vector<CString>& items);
// Selects the item equal to the name in any case; a name the list does not
// hold is added, so it is kept as the user's file had it. Empty selects none.
void SelectExact(CComboBox& combo, const CString& strName);
CString SelectedText(CComboBox& combo);
// The fifteen array names, the index being the code.
void FillArrayTypes(CComboBox& combo);
// The array names whose types have a command pattern, each item's data
// being its code.
void FillGeneratedArrayTypes(CComboBox& combo);
void SelectArrayCode(CComboBox& combo, int nCode);
// The code of the chosen item, -1 for none.
int SelectedArrayCode(CComboBox& combo);
