// The arithmetic of a custom toolbar apart from its window: the button
// records (id, image, style, place, size), wrapping them into rows for a
// width or a height, balancing the rows, placing the buttons, and finding
// the button under a point. SECStdBtn adds drawing and mouse handling.
#pragma once

#include "framework/Geometry.h"
#include "framework/Types.h"

#include <vector>

// Button style word.
enum : DWORD {
    TBBS_SEPARATOR_BIT = 0x1,
    TBBS_CHECKBOX_BIT = 0x2,
    TBBS_GROUP_BIT = 0x4,
    TBBS_DROPDOWN_BIT = 0x8,
    TBBS_CHECKED_BIT = 0x10000,
    TBBS_PRESSED_BIT = 0x20000,
    TBBS_DISABLED_BIT = 0x40000,
    TBBS_HIDDEN_BIT = 0x80000,
    TBBS_INDETERMINATE_BIT = 0x100000,
    TBBS_WRAPPED_BIT = 0x200000,
    TBBS_SELECTED_BIT = 0x1000000,
    TBBS_HOT_BIT = 0x2000000,
    TBBS_ALWAYS_ENABLED_BIT = 0x10000000,
    TBBS_VCENTER_BIT = 0x20000000,
};

// Button kinds.
enum : int { kBtnPlain = 0, kBtnMenu = 3, kBtnNavigable = 4, kBtnCaption = 5 };

// What every toolbar button is, whatever draws it.
class SECBtnGeometry
{
public:
    virtual ~SECBtnGeometry() = default;

    BOOL IsSeparator() const { return (m_nStyle & TBBS_SEPARATOR_BIT) != 0; }
    BOOL IsWrapped() const { return (m_nStyle & TBBS_WRAPPED_BIT) != 0; }
    CRect GetRect() const { return CRect(m_x, m_y, m_x + m_cx, m_y + m_cy); }

    UINT m_nID = 0;
    int m_nImage = 0;
    DWORD m_nStyle = 0;
    int m_x = -1, m_y = -1;
    int m_cx = 23, m_cy = 22;
    int m_nType = kBtnPlain;
};

// A row of wrapped buttons.
struct SECTBRow
{
    int nLastIndex = 0;
    bool bSeparatorEnd = false;
    int cx = 0;
    int cy = 0;
};

struct ToolBarMetrics
{
    int nButtonWidth = 23;
    int nButtonHeight = 22;
    int nSeparatorWidth = 8;
    // The extra height after a row that ends at a separator.
    int SeparatorGap() const { return nSeparatorWidth * 2 / 3; }
};

using SECBtnList = std::vector<SECBtnGeometry*>;

class CToolBarLayout
{
public:
    // Rows for a width; returns the row count.
    static int WrapButtons(const SECBtnList& buttons, int nWidth, std::vector<SECTBRow>& rows);
    // Moves trailing groups down so that no row is wider than needed.
    static void BalanceRows(const SECBtnList& buttons, std::vector<SECTBRow>& rows);
    // Wraps for a width (or a height), balances unless told not to, marks
    // the last button of each row but the last as wrapped; returns the size.
    static CSize CalcWrappedSize(const SECBtnList& buttons, int nLength, bool bLengthIsHeight,
                                 const ToolBarMetrics& metrics, bool bBalance = true);
    // Puts the buttons at their places from the origin, row by row.
    static void PlaceButtons(const SECBtnList& buttons, CPoint ptOrigin, const ToolBarMetrics& metrics);
    // The index of the button under the point (hidden ones skipped), or -1.
    static int HitTest(const SECBtnList& buttons, CPoint pt, CRect* pRect = nullptr);

    static CSize RowsSize(const std::vector<SECTBRow>& rows, const ToolBarMetrics& metrics);

    // Where the buttons stand and where their rows break, to be put back
    // after laying them out for a docking the bar is not in.
    struct Placement
    {
        std::vector<CPoint> places;
        std::vector<bool> wrapped;
    };
    static Placement SavePlacement(const SECBtnList& buttons);
    static void RestorePlacement(const SECBtnList& buttons, const Placement& placement);

private:
    static SECTBRow MakeRow(const SECBtnList& buttons, int nFirst, int nLast, bool bSeparatorEnd);
    static int RowStart(const std::vector<SECTBRow>& rows, int nRow);
    static bool PassTrailingGroup(const SECBtnList& buttons, std::vector<SECTBRow>& rows, int nRow, int nLimit);
};
