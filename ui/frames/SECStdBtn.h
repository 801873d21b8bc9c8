// The buttons of a custom toolbar. SECStdBtn is the image button and the
// base of the others: it sizes itself from its toolbar, draws its face,
// edges and image in every state (hot, pressed, checked, disabled,
// indeterminate, selected while customising) and follows a press.
// SECStdMenuBtn drops a popup of a menu resource instead of sending a
// command.
//
// SECTBMenuBtn (SECTBMenuBtn.h) is the text button that drops a menu.
//
// A button is composed in the face DC of the shared SECBtnDrawData and
// copied to the toolbar in one step; the steps are virtual so that a
// button class can change one look.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECBtnDrawData.h"
#include "ui/frames/ToolBarLayout.h"

class SECCustomToolBar;
class SECStdBtn;

// A button class record: makes a default button of its class.
struct SECButtonClass
{
    SECStdBtn* (*pfnCreate)();
};

class SECStdBtn : public SECBtnGeometry
{
public:
    static const SECButtonClass classSECStdBtn;

    virtual void SetMode(DWORD /*dwOrientation*/) {}
    virtual void SetStyle(DWORD nStyle) { m_nStyle = nStyle; }
    virtual DWORD GetStyle() const { return m_nStyle; }
    virtual BOOL HasStyle(DWORD nBits) const { return (m_nStyle & nBits) == nBits; }
    virtual void SetPos(int x, int y) { m_x = x; m_y = y; }
    virtual void Invalidate(BOOL bErase = FALSE);
    virtual void Init(SECCustomToolBar* pToolBar, const UINT_PTR* pParams);
    virtual BOOL CanDrag() const { return TRUE; }
    virtual void Draw(CDC* pDC);
    virtual BOOL OnLButtonDown(CPoint pt);
    virtual void OnMouseMove(CPoint pt);
    virtual void OnCancelPress();
    virtual UINT OnLButtonUp(CPoint pt);
    virtual void OnBarStyleChange(DWORD) {}
    virtual int OnToolHitTest(CPoint pt, TOOLINFO* pTI) const;
    virtual void OnStyleChange(int nCode, const DWORD* pData);
    virtual void AdjustSize();
    virtual void GetExtraData(int& nBytes, const BYTE*& pData) const { nBytes = 0; pData = nullptr; }
    virtual void SetExtraData(int, const BYTE*) {}
    virtual const SECButtonClass* GetButtonClass() const { return &classSECStdBtn; }
    // WM_NOTIFY to the toolbar's owner: a SECBtnNotify for this button.
    virtual LRESULT SendNotify(int nCode, UINT_PTR nParam1, UINT_PTR nParam2);

    SECCustomToolBar* m_pToolBar = nullptr;

protected:
    // The steps of Draw, in order. A separator ends the drawing (TRUE).
    virtual BOOL DrawSeparator(CDC* pDC);
    virtual void SelectImage(SECBtnDrawData& dd);
    virtual void DrawButton(SECBtnDrawData& dd);
    // Face, edges and image; x, y, cx, cy become the face inside the edges.
    virtual void DrawFace(SECBtnDrawData& dd, BOOL bCustomise, int& x, int& y, int& cx, int& cy,
                          int nImageWidth = -1);
    // The state looks over the face DrawFace left.
    virtual void DrawDisabled(SECBtnDrawData& dd, int x, int y, int cx, int cy);
    virtual void DrawChecked(SECBtnDrawData& dd, int x, int y, int cx, int cy);
    virtual void DrawIndeterminate(SECBtnDrawData& dd, int x, int y, int cx, int cy);
    virtual void DrawDragOutline(CDC* pDC);
    virtual void BlitImage(int x, int y, int cx, int cy, SECBtnDrawData& dd, int xSrc, int ySrc);
    // Over a transparent bar the face colour shows the bar behind.
    virtual void DrawTransparent(CDC* pDC, SECBtnDrawData& dd);
    virtual void DrawSelection(SECBtnDrawData& dd);
    virtual void BlitFace(CDC* pDC, SECBtnDrawData& dd);
    // What the face shows inside its edges: the image in the base button.
    // rcFace starts two pixels in, one more when sunken.
    virtual void DrawImage(SECBtnDrawData& dd, const CRect& rcFace);

private:
    CRect DrawEdges(CDC* pDC, BOOL bCustomise) const;
};

// What a button's WM_NOTIFY carries: the toolbar record (iItem the
// command id) followed by the button's index and two words.
struct SECBtnNotify
{
    NMTOOLBAR tb;
    int nIndex;
    UINT_PTR nParam1;
    UINT_PTR nParam2;
};

// Notification codes of the toolbar's buttons.
constexpr int kNotifyDropDown = static_cast<int>(TBN_DROPDOWN); // -710
constexpr int kNotifyMenuDrop = -2120;      // a menu button's menu
constexpr int kNotifyMenuCancel = -2121;
constexpr int kNotifyMenuModeEnter = -2122;
constexpr int kNotifyMenuModeExit = -2123;

class SECStdMenuBtn : public SECStdBtn
{
public:
    static const SECButtonClass classSECStdMenuBtn;

    // Parameters: menu resource id, submenu index, TPM_ alignment.
    void Init(SECCustomToolBar* pToolBar, const UINT_PTR* pParams) override;
    BOOL OnLButtonDown(CPoint pt) override;
    UINT OnLButtonUp(CPoint) override { return 0; }
    const SECButtonClass* GetButtonClass() const override { return &classSECStdMenuBtn; }

    CMenu m_menu;
    int m_nSubMenu = 0;
    UINT m_nAlign = 0;
};

// A button-map entry: the class a command's button is made of. A null
// class ends a table.
struct SECBtnMapEntry
{
    const SECButtonClass* pClass;
    UINT nID;
    DWORD nStyle;
    UINT_PTR params[5];
};
