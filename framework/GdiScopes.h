// Scopes that put a device context back as they found it: each selects or
// saves in its constructor and restores in its destructor, so an early
// return or an exception cannot leave a pen, font, bitmap or palette
// selected in a DC that outlives the drawing code.
#pragma once

#include "framework/DC.h"

// Selects one GDI object for the scope's life and then selects back the
// object it replaced. A null object or a failed selection restores nothing.
// Through a CDC it reaches both the output and the attribute DC.
class CSelectObjectScope
{
public:
    CSelectObjectScope(CDC& dc, HGDIOBJ hObject) : m_pDC(&dc)
    {
        if (hObject != nullptr)
            m_hOld = dc.SelectObject(hObject);
    }
    CSelectObjectScope(CDC& dc, const CGdiObject& object) : CSelectObjectScope(dc, object.m_hObject) {}
    CSelectObjectScope(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC)
    {
        if (hDC != nullptr && hObject != nullptr)
            m_hOld = ::SelectObject(hDC, hObject);
    }
    ~CSelectObjectScope()
    {
        if (m_hOld == nullptr || m_hOld == HGDI_ERROR)
            return;
        if (m_pDC != nullptr)
            m_pDC->SelectObject(m_hOld);
        else
            ::SelectObject(m_hDC, m_hOld);
    }
    CSelectObjectScope(const CSelectObjectScope&) = delete;
    CSelectObjectScope& operator=(const CSelectObjectScope&) = delete;

    // The object that was selected before, for code that reads it.
    HGDIOBJ GetOld() const { return m_hOld; }

private:
    CDC* m_pDC = nullptr;
    HDC m_hDC = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

// Selects a logical palette for the scope's life (palettes have their own
// select call) and selects back the one it replaced.
class CSelectPaletteScope
{
public:
    CSelectPaletteScope(HDC hDC, HPALETTE hPalette, BOOL bForceBackground = FALSE)
        : m_hDC(hDC), m_bForceBackground(bForceBackground)
    {
        if (hDC != nullptr && hPalette != nullptr)
            m_hOld = ::SelectPalette(hDC, hPalette, bForceBackground);
    }
    ~CSelectPaletteScope()
    {
        if (m_hOld != nullptr)
            ::SelectPalette(m_hDC, m_hOld, m_bForceBackground);
    }
    CSelectPaletteScope(const CSelectPaletteScope&) = delete;
    CSelectPaletteScope& operator=(const CSelectPaletteScope&) = delete;

private:
    HDC m_hDC;
    BOOL m_bForceBackground;
    HPALETTE m_hOld = nullptr;
};

// Saves the whole DC state (objects, modes, mapping, clipping) and restores
// exactly that state when the scope ends, however much was changed between.
// Through a CDC both the output and the attribute DC are saved, each with
// its own saved-state index (while printing or previewing they differ).
class CSaveDCScope
{
public:
    explicit CSaveDCScope(CDC& dc) : CSaveDCScope(dc.m_hDC, dc.m_hAttribDC != dc.m_hDC ? dc.m_hAttribDC : nullptr) {}
    explicit CSaveDCScope(HDC hDC, HDC hSecondDC = nullptr) : m_saved{Save(hDC), Save(hSecondDC)} {}
    ~CSaveDCScope()
    {
        for (const Saved& saved : m_saved) {
            if (saved.nIndex != 0)
                ::RestoreDC(saved.hDC, saved.nIndex);
        }
    }
    CSaveDCScope(const CSaveDCScope&) = delete;
    CSaveDCScope& operator=(const CSaveDCScope&) = delete;

private:
    struct Saved
    {
        HDC hDC;
        int nIndex;   // 0: nothing saved
    };
    static Saved Save(HDC hDC) { return {hDC, hDC != nullptr ? ::SaveDC(hDC) : 0}; }
    Saved m_saved[2];
};
