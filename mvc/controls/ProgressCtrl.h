// A progress bar that draws itself: a bar over a background, with the
// percentage or a custom text drawn over both in the opposite colour. It can
// advance on a timer, and with SEC_PROGRESS_NATIVE it hands everything to the
// platform's control instead.
#pragma once

#include "framework/Framework.h"
#include "framework/HostServices.h"

enum : DWORD {
    SEC_PROGRESS_VERTICAL = 0x01,
    SEC_PROGRESS_FROM_RIGHT = 0x10,   // horizontal bar grows from the right
    SEC_PROGRESS_FROM_TOP = 0x20,     // vertical bar grows from the top
    SEC_PROGRESS_PERCENT = 0x100,     // "%d %%"
    SEC_PROGRESS_CUSTOM_TEXT = 0x200, // the custom text (without PERCENT)
    SEC_PROGRESS_TEXT_LEFT = 0x1000,
    SEC_PROGRESS_TEXT_RIGHT = 0x2000,
    SEC_PROGRESS_NATIVE = 0x10000,    // the platform control draws
};

class SECProgressCtrl : public CProgressCtrl {
public:
    static constexpr UINT_PTR kTimerId = 256;
    static constexpr DWORD kDefaultStyle = kPercentProgressStyle;

    SECProgressCtrl() = default;

    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        DWORD barStyle = kDefaultStyle);
    virtual BOOL SubclassDlgItem(UINT id, CWnd* parent);
    virtual void SetRange(int lower, int upper);
    virtual DWORD SetPos(DWORD pos, BOOL pump = FALSE);
    virtual DWORD OffsetPos(int delta, BOOL pump = FALSE);
    virtual int SetStep(int step);
    virtual void SetColors(COLORREF bar, COLORREF background);
    virtual void SetTextFont(HFONT font, BOOL redraw = TRUE);
    virtual void SetText(const CString& text) { m_text = text; }
    virtual void GetText(CString& text) const { text = m_text; }
    virtual DWORD StepIt(BOOL pump = FALSE);
    virtual void Reset();
    virtual BOOL StartTimer(UINT elapseMs);
    virtual BOOL UpdateClientRect();
    virtual void FillBar(CDC& dc, const CRect& rect);
    virtual void FillBackground(CDC& dc, const CRect& rect);
    virtual void DrawBarText(CDC& dc, float percent, const CRect& background, const CRect& bar);
    // Called with the text just before it is drawn.
    virtual void AdjustText(CString& text) {}
    virtual void Draw(CDC& dc);
    virtual BOOL CalcRects(float percent, CRect& bar, CRect& background);
    virtual BOOL DrawOffscreen(CDC& dc, float percent, const CRect& bar, const CRect& background);
    virtual float GetPercent() const;

    void SetBarStyle(DWORD style);
    DWORD GetBarStyle() const { return m_barStyle; }
    DWORD GetPos() const { return m_pos; }
    void GetRange(int& lower, int& upper) const { lower = m_lower; upper = m_upper; }
    // The text drawn over the bar for a percentage ("" for none).
    CString GetBarText(float percent) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL IsNative() const { return (m_barStyle & SEC_PROGRESS_NATIVE) != 0; }
    void Repaint(BOOL pump);

    DWORD m_pos = 0;
    int m_step = 10;
    int m_lower = 0;
    int m_upper = 100;
    COLORREF m_barColor = 0x800000;
    COLORREF m_backgroundColor = 0xFFFFFF;
    HFONT m_font = nullptr;
    BOOL m_drawing = TRUE;
    BOOL m_created = FALSE;
    CString m_text;
    DWORD m_barStyle = kDefaultStyle;
    CRect m_client;
};
