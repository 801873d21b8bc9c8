#include "framework/Framework.h"
#include "design/projects/DesignCombos.h"

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

void FillArrayTypes(CComboBox& combo)
{
    static const char* const kNames[] = {
        "Resistance", "Wenner (A)", "Wenner (B)", "Wenner (G)", "Pole-Pole", "Dipole-Dipole", "Pole-Dipole",
        "Square (A)", "Square (B)", "Square (G)", "Schlumberger", "General Surface Array", "Tomography",
        "Equatorial Dipole-Dipole", "Potential"};
    combo.ResetContent();
    for (const char* pszName : kNames)
        combo.AddString(pszName);
}
