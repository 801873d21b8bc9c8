#include "mvc/controls/ProgressCtrl.h"

BOOL SECProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, DWORD barStyle)
{
    if (m_created)
        return FALSE;
    m_barStyle = barStyle;
    if (!CProgressCtrl::Create(style, rect, parent, id))
        return FALSE;
    m_created = TRUE;
    UpdateClientRect();
    return TRUE;
}

BOOL SECProgressCtrl::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!CProgressCtrl::SubclassDlgItem(id, parent))
        return FALSE;
    m_created = TRUE;
    UpdateClientRect();
    ::SendMessage(m_hWnd, PBM_SETRANGE32, m_lower, m_upper);
    return TRUE;
}

void SECProgressCtrl::SetRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
    // The 32-bit message: file sizes go far beyond the 16-bit range.
    if (m_hWnd)
        ::SendMessage(m_hWnd, PBM_SETRANGE32, lower, upper);
}

void SECProgressCtrl::Repaint(BOOL pump)
{
    if (!m_created || !m_hWnd)
        return;
    Invalidate(FALSE);
    if (!pump)
        return;
    // Let the bar show while the caller keeps this thread busy.
    MSG msg;
    while (::PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessage(&msg);
}

DWORD SECProgressCtrl::SetPos(DWORD pos, BOOL pump)
{
    DWORD previous = m_pos;
    m_pos = pos;
    if (IsNative() && m_hWnd)
        previous = static_cast<DWORD>(::SendMessage(m_hWnd, PBM_SETPOS, pos, 0));
    Repaint(pump);
    return previous;
}

DWORD SECProgressCtrl::OffsetPos(int delta, BOOL pump)
{
    if (!IsNative())
        return SetPos(m_pos + delta, pump);
    DWORD previous = m_pos;
    m_pos += delta;
    if (m_hWnd)
        ::SendMessage(m_hWnd, PBM_DELTAPOS, delta, 0);
    return previous;
}

int SECProgressCtrl::SetStep(int step)
{
    int previous = m_step;
    m_step = step;
    if (m_hWnd)
        ::SendMessage(m_hWnd, PBM_SETSTEP, step, 0);
    return previous;
}

void SECProgressCtrl::SetColors(COLORREF bar, COLORREF background)
{
    m_barColor = bar;
    m_backgroundColor = background;
    Repaint(FALSE);
}

void SECProgressCtrl::SetTextFont(HFONT font, BOOL redraw)
{
    m_font = font;
    if (redraw)
        Repaint(FALSE);
}

DWORD SECProgressCtrl::StepIt(BOOL pump)
{
    if (!IsNative())
        return OffsetPos(m_step, pump);
    DWORD previous = m_pos;
    m_pos += m_step;
    if (m_hWnd)
        ::SendMessage(m_hWnd, PBM_STEPIT, 0, 0);
    return previous;
}

void SECProgressCtrl::Reset()
{
    SetPos(static_cast<DWORD>(m_lower), TRUE);
    if (m_created) {
        UpdateClientRect();
        Repaint(FALSE);
    }
}

BOOL SECProgressCtrl::StartTimer(UINT elapseMs)
{
    if (m_pos >= static_cast<DWORD>(m_upper)) {
        if (m_hWnd)
            KillTimer(kTimerId);
        return FALSE;
    }
    if (!m_hWnd)
        return FALSE;
    if (elapseMs == 0) {
        KillTimer(kTimerId);
        return TRUE;
    }
    return SetTimer(kTimerId, elapseMs) != 0;
}

BOOL SECProgressCtrl::UpdateClientRect()
{
    if (m_hWnd)
        GetClientRect(&m_client);
    return TRUE;
}

void SECProgressCtrl::FillBar(CDC& dc, const CRect& rect)
{
    dc.FillSolidRect(&rect, m_barColor);
}

void SECProgressCtrl::FillBackground(CDC& dc, const CRect& rect)
{
    dc.FillSolidRect(&rect, m_backgroundColor);
}

float SECProgressCtrl::GetPercent() const
{
    DWORD lower = static_cast<DWORD>(m_lower);
    DWORD upper = static_cast<DWORD>(m_upper);
    DWORD pos = m_pos < lower ? lower : (m_pos > upper ? upper : m_pos);
    DWORD span = upper == lower ? 1 : upper - lower;
    return static_cast<float>(static_cast<double>(pos - lower) / span * 100.0);
}

BOOL SECProgressCtrl::CalcRects(float percent, CRect& bar, CRect& background)
{
    double f = percent * 0.01;
    bar = m_client;
    background = m_client;
    if (m_barStyle & SEC_PROGRESS_VERTICAL) {
        int height = static_cast<int>(m_client.Height() * f);
        if (m_barStyle & SEC_PROGRESS_FROM_TOP) {
            bar.bottom = m_client.top + height;
            background.top = bar.bottom;
        } else {
            bar.top = m_client.bottom - height;
            background.bottom = bar.top;
        }
    } else {
        int width = static_cast<int>(m_client.Width() * f);
        if (m_barStyle & SEC_PROGRESS_FROM_RIGHT) {
            bar.left = m_client.right - width;
            background.right = bar.left;
        } else {
            bar.right = m_client.left + width;
            background.left = bar.right;
        }
    }
    return TRUE;
}

CString SECProgressCtrl::GetBarText(float percent) const
{
    CString text;
    if (m_barStyle & SEC_PROGRESS_PERCENT) {
        int rounded = static_cast<int>(percent + 0.5f);
        text.Format("%d %%", rounded > 100 ? 100 : rounded);
    } else if (m_barStyle & SEC_PROGRESS_CUSTOM_TEXT) {
        text = m_text;
    }
    return text;
}

void SECProgressCtrl::DrawBarText(CDC& dc, float percent, const CRect& background, const CRect& bar)
{
    if (!(m_barStyle & (SEC_PROGRESS_PERCENT | SEC_PROGRESS_CUSTOM_TEXT)))
        return;
    CString text = GetBarText(percent);
    AdjustText(text);
    if (text.IsEmpty())
        return;
    HFONT font = m_font ? m_font : reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
    CSelectObjectScope selectFont(dc.GetSafeHdc(), font);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (m_barStyle & SEC_PROGRESS_TEXT_LEFT)
        format |= DT_LEFT;
    else if (m_barStyle & SEC_PROGRESS_TEXT_RIGHT)
        format |= DT_RIGHT;
    else
        format |= DT_CENTER;
    dc.SetBkMode(TRANSPARENT);
    CRect area = m_client;
    struct Pass { const CRect& clip; COLORREF color; };
    const Pass passes[] = {{bar, m_backgroundColor}, {background, m_barColor}};
    for (const Pass& pass : passes) {
        CSaveDCScope saved(dc);
        dc.IntersectClipRect(&pass.clip);
        dc.SetTextColor(pass.color);
        dc.DrawText(text, &area, format);
    }
}

BOOL SECProgressCtrl::DrawOffscreen(CDC& dc, float percent, const CRect& bar, const CRect& background)
{
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return FALSE;
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&dc, m_client.Width(), m_client.Height()))
        return FALSE;
    CSelectObjectScope selectBitmap(memory, bitmap);
    FillBackground(memory, background);
    FillBar(memory, bar);
    DrawBarText(memory, percent, background, bar);
    dc.BitBlt(m_client.left, m_client.top, m_client.Width(), m_client.Height(), &memory, 0, 0, SRCCOPY);
    return TRUE;
}

void SECProgressCtrl::Draw(CDC& dc)
{
    if (!m_drawing)
        return;
    float percent = GetPercent();
    CRect bar, background;
    CalcRects(percent, bar, background);
    DrawOffscreen(dc, percent, bar, background);
}

void SECProgressCtrl::SetBarStyle(DWORD style)
{
    if ((style & SEC_PROGRESS_NATIVE) && !IsNative() && m_hWnd)
        ::SendMessage(m_hWnd, PBM_SETPOS, m_pos, 0);
    m_barStyle = style;
    Repaint(FALSE);
}

LRESULT SECProgressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam != kTimerId)
            break;
        StepIt(TRUE);
        if (m_pos >= static_cast<DWORD>(m_upper))
            KillTimer(kTimerId);
        return 0;
    case WM_ERASEBKGND:
        if (IsNative())
            break;
        return TRUE;  // the bar covers everything
    case WM_PAINT: {
        if (IsNative())
            break;
        CPaintDC dc(this);
        Draw(dc);
        return 0;
    }
    case WM_SIZE:
    case WM_CREATE: {
        LRESULT result = CProgressCtrl::WindowProc(message, wParam, lParam);
        UpdateClientRect();
        return result;
    }
    case WM_SHOWWINDOW:
        m_drawing = wParam != 0;
        break;
    default:
        break;
    }
    return CProgressCtrl::WindowProc(message, wParam, lParam);
}
