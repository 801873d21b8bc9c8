#include "framework/Framework.h"
#include "design/projects/DesignControls.h"
#include "design/projects/ItemRows.h"
#include "design/projects/ProtocolCreation.h"
#include "framework/HostServices.h"

void FillCombo(CComboBox& combo, const std::vector<CString>& items)
{
    combo.ResetContent();
    for (const CString& strItem : items)
        combo.AddString(strItem);
}

void SelectExact(CComboBox& combo, const CString& strName)
{
    if (strName.IsEmpty()) {
        combo.SetCurSel(-1);
        return;
    }
    int nIndex = combo.FindStringExact(-1, strName);
    if (nIndex < 0)
        nIndex = combo.AddString(strName);
    combo.SetCurSel(nIndex);
}

CString SelectedText(CComboBox& combo)
{
    CString strText;
    const int nIndex = combo.GetCurSel();
    if (nIndex >= 0)
        combo.GetLBText(nIndex, strText);
    return strText;
}

namespace {

const char* const kArrayNames[] = {"Resistance",   "Wenner (A)",
                                   "Wenner (B)",   "Wenner (G)",
                                   "Pole-Pole",    "Dipole-Dipole",
                                   "Pole-Dipole",  "Square (A)",
                                   "Square (B)",   "Square (G)",
                                   "Schlumberger", "General Surface Array",
                                   "Tomography",   "Equatorial Dipole-Dipole",
                                   "Potential"};

} // namespace

void ShowAllEntries(CComboBox& combo)
{
    if (!combo.GetSafeHwnd() || combo.GetCount() <= 0)
        return;
    // The closed field's height plus every row; the system lists fewer when
    // the screen has no room for them all.
    CRect rcField;
    combo.GetWindowRect(&rcField);
    const int nRows = static_cast<int>(combo.SendMessage(CB_GETITEMHEIGHT, 0)) * combo.GetCount();
    const int nList = nRows + 2 * ::GetSystemMetrics(SM_CYEDGE) + 2;
    combo.SetWindowPos(nullptr, 0, 0, rcField.Width(), rcField.Height() + nList,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    combo.SendMessage(CB_SETMINVISIBLE, static_cast<WPARAM>(combo.GetCount()));
}

void FillArrayTypes(CComboBox& combo)
{
    combo.ResetContent();
    for (const char* pszName : kArrayNames)
        combo.AddString(pszName);
    ShowAllEntries(combo);
}

void FillGeneratedArrayTypes(CComboBox& combo)
{
    combo.ResetContent();
    for (int nCode = 0; nCode < static_cast<int>(sizeof kArrayNames / sizeof kArrayNames[0]); ++nCode) {
        if (!CVikaProtocolCreation::HasCommandPattern(nCode))
            continue;
        combo.SetItemData(combo.AddString(kArrayNames[nCode]), static_cast<DWORD_PTR>(nCode));
    }
    ShowAllEntries(combo);
}

void SelectArrayCode(CComboBox& combo, int nCode)
{
    combo.SetCurSel(-1);
    for (int i = 0; i < combo.GetCount(); ++i)
        if (static_cast<int>(combo.GetItemData(i)) == nCode)
            combo.SetCurSel(i);
}

int SelectedArrayCode(CComboBox& combo)
{
    const int nIndex = combo.GetCurSel();
    return nIndex < 0 ? -1 : static_cast<int>(combo.GetItemData(nIndex));
}

void SetSpinRange(CWnd* pDialog, int nId, int nLower, int nUpper)
{
    if (CWnd* pSpin = pDialog->GetDlgItem(nId))
        pSpin->SendMessage(UDM_SETRANGE32, nLower, nUpper);
}

void EnableItem(CWnd* pDialog, int nId, BOOL bEnable)
{
    if (CWnd* pItem = pDialog->GetDlgItem(nId))
        pItem->EnableWindow(bEnable);
}

CString RowText(CListBox* pListBox, int nIndex)
{
    CString strText;
    if (pListBox && nIndex >= 0 && nIndex < pListBox->GetCount())
        pListBox->GetText(nIndex, strText);
    return strText;
}

std::vector<CString> ListRows(CListBox* pListBox, BOOL bSkipEmpty)
{
    std::vector<CString> rows;
    for (int i = 0; pListBox && i < pListBox->GetCount(); ++i) {
        const CString strRow = RowText(pListBox, i);
        if (!bSkipEmpty || !strRow.IsEmpty())
            rows.push_back(strRow);
    }
    return rows;
}

void AppendLineToCaption(CWnd* pDialog, int nLine)
{
    CString strTitle;
    pDialog->GetWindowText(strTitle);
    CString strCaption;
    strCaption.Format("%s: #%d", static_cast<LPCTSTR>(strTitle), nLine);
    pDialog->SetWindowText(strCaption);
}

CString ReadMembers(LPCTSTR pszSection, LPCTSTR pszDefault)
{
    return GetHostServices().Profile().GetString(pszSection, "Members", pszDefault);
}

void WriteMembers(LPCTSTR pszSection, const std::vector<int>& values)
{
    GetHostServices().Profile().WriteString(pszSection, "Members", FormatMembers(values));
}
