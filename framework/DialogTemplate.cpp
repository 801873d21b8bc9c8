#include "framework/Framework.h"
#include "framework/DialogTemplate.h"

CDialogTemplateBuilder::CDialogTemplateBuilder(LPCSTR lpszCaption, DWORD dwStyle, short cx, short cy)
{
    AddDword(dwStyle | DS_SETFONT);
    AddDword(0);                   // extended style
    m_nCountOffset = m_data.size();
    AddWord(0);                    // item count
    AddWord(0);                    // x
    AddWord(0);                    // y
    AddWord((WORD)cx);
    AddWord((WORD)cy);
    AddWord(0);                    // no menu
    AddWord(0);                    // default class
    AddString(lpszCaption);
    AddWord(8);                    // point size
    AddString("MS Shell Dlg");
}

void CDialogTemplateBuilder::AddString(LPCSTR psz)
{
    int nLen = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    std::vector<WCHAR> wide(nLen > 0 ? nLen : 1, 0);
    if (nLen > 0)
        ::MultiByteToWideChar(CP_ACP, 0, psz, -1, wide.data(), nLen);
    for (WCHAR ch : wide)
        AddWord((WORD)ch);
}

void CDialogTemplateBuilder::AddItem(WORD wClassAtom, LPCSTR lpszText, WORD wID, DWORD dwStyle, short x, short y,
                                     short cx, short cy)
{
    AlignDword();
    AddDword(dwStyle | WS_CHILD | WS_VISIBLE);
    AddDword(0);
    AddWord((WORD)x);
    AddWord((WORD)y);
    AddWord((WORD)cx);
    AddWord((WORD)cy);
    AddWord(wID);
    AddWord(0xFFFF);
    AddWord(wClassAtom);
    AddString(lpszText);
    AddWord(0);                    // no creation data
    ++m_data[m_nCountOffset];
}

LPCDLGTEMPLATE CDialogTemplateBuilder::Get() { return (LPCDLGTEMPLATE)m_data.data(); }
