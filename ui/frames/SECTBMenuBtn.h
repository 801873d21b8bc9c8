// A text button that drops a menu through its toolbar: the menu bar's
// buttons and the text buttons of a button map. Its caption's "&" letter is
// its mnemonic. Kept with it: making a popup menu from a menu template.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/MenuTemplate.h"
#include "ui/frames/SECStdBtn.h"

class SECTBMenuBtn : public SECStdBtn
{
public:
    static const SECButtonClass classSECTBMenuBtn;

    SECTBMenuBtn() { m_nType = kBtnMenu; }

    // Parameters: the two words handed on when the menu drops, the caption
    // (LPCTSTR) and the further word (the menu bar's mask).
    void Init(SECCustomToolBar* pToolBar, const UINT_PTR* pParams) override;
    void AdjustSize() override;
    BOOL OnLButtonDown(CPoint pt) override;
    UINT OnLButtonUp(CPoint pt) override;
    const SECButtonClass* GetButtonClass() const override { return &classSECTBMenuBtn; }

    virtual void DropMenu();
    virtual char FindMnemonic() const;

    CString m_strCaption;
    UINT_PTR m_nDropParam1 = 0;
    UINT_PTR m_nDropParam2 = 0;
    char m_cMnemonic = 0;
    UINT_PTR m_nFurther = 0;

protected:
    void DrawImage(SECBtnDrawData& dd, const CRect& rcFace) override;
    HFONT CaptionFont() const;
};

// The upper-case letter after the first "&" of a caption; 0 when none.
char CaptionMnemonic(const CString& strCaption);
// The caption without its first "&" (the list of the "Commands" page).
CString CaptionWithoutAmpersand(const CString& strCaption);

// A template's text in the ANSI code page.
CString MenuTextToAnsi(const std::u16string& text);
// A popup menu made from a template's level (items converted to the ANSI
// code page); NULL, with nothing left behind, on any failure.
HMENU BuildPopupMenu(const std::vector<MenuTemplateItem>& items);
// The same from the level at the cursor.
HMENU BuildPopupMenu(MenuTemplateCursor& cursor);
// The bytes of menu resource nID (module of the process), or FALSE.
BOOL LoadMenuTemplate(UINT nID, const BYTE*& pData, size_t& nSize);
