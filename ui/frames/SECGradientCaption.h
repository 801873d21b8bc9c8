// The frames' own caption: a gradient from black to the active caption
// colour, the small icon, and the title split into an application part and
// a document part in two fonts, aligned left, centred or right. A frame
// owns one and offers it WM_NCACTIVATE, WM_NCPAINT and WM_SETTEXT first;
// the frame's font overrides come in through ICaptionFonts.
#pragma once

#include "framework/Framework.h"

class ICaptionFonts
{
public:
    virtual ~ICaptionFonts() = default;
    virtual BOOL CreateCaptionAppFont(CFont& font) = 0;
    virtual BOOL CreateCaptionDocFont(CFont& font) = 0;
};

class SECGradientCaption
{
public:
    explicit SECGradientCaption(CWnd& frame, ICaptionFonts* pFonts = nullptr);

    // The previous flag; FALSE and no change before Windows 4.
    BOOL EnableCustomCaption(BOOL bEnable, BOOL bRedraw = TRUE);
    void SetCaptionTextAlign(int nAlign, BOOL bRedraw = TRUE);
    BOOL IsCustomCaption() const { return m_bCustomCaption; }
    BOOL IsCaptionActive() const { return m_bCaptionActive; }
    int GetCaptionTextAlign() const { return m_nCaptionAlign; }

    // Handles the non-client messages while the custom caption is on.
    BOOL OnNcMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    void DrawCaption();

    // The system caption font, italic (the application part by default).
    static BOOL CreateItalicCaptionFont(CFont& font);
    static BOOL CreateSystemCaptionFont(CFont& font);

private:
    LRESULT OnNcActivate(BOOL bActive);
    LRESULT OnNcPaint(WPARAM wParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHidden(UINT message, WPARAM wParam, LPARAM lParam);
    CRect CaptionRectInWindow() const;
    void PaintCaption(CDC& dc, const CRect& rcCaption);
    int DrawIconCell(CDC& dc, const CRect& rc);
    void DrawTitle(CDC& dc, const CRect& rcText);

    CWnd& m_frame;
    ICaptionFonts* m_pFonts;
    int m_nCaptionAlign = 0;
    BOOL m_bCaptionActive = FALSE;
    BOOL m_bCustomCaption = FALSE;
    BOOL m_bNewShell = TRUE;
};
