// Dialog templates built in memory, for the library's own small dialogs
// (document type choice, printing status) that need no resource script.
#pragma once

#include "framework/Types.h"

#include <vector>

class CDialogTemplateBuilder
{
public:
    CDialogTemplateBuilder(LPCSTR lpszCaption, DWORD dwStyle, short cx, short cy);
    // Predefined classes: 0x0080 button, 0x0081 edit, 0x0082 static, 0x0083 list box.
    void AddItem(WORD wClassAtom, LPCSTR lpszText, WORD wID, DWORD dwStyle, short x, short y, short cx, short cy);
    LPCDLGTEMPLATE Get();

private:
    void AddWord(WORD w) { m_data.push_back(w); }
    void AddDword(DWORD dw) { AddWord(LOWORD(dw)); AddWord(HIWORD(dw)); }
    void AddString(LPCSTR psz);
    void AlignDword() { if (m_data.size() % 2 != 0) AddWord(0); }

    std::vector<WORD> m_data;
    size_t m_nCountOffset;
};
