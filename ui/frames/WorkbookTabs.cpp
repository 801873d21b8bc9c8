#include "ui/frames/WorkbookTabs.h"

#include <algorithm>

int WorkbookTabWidth(int cxClient, int nSheets, int nLargest)
{
    if (nSheets <= 0)
        return nLargest;
    return std::min((cxClient + 5) / nSheets, nLargest);
}

TabPolygon WorkbookTabPolygon(const WorkbookTabMetrics& m, int k, bool bActive, int nLeft, int nBase)
{
    int a = bActive ? 1 : 0;
    TabPolygon p;
    p[0] = CPoint(k * m.nTabWidth - (m.nActiveWidening / 2) * a + nLeft, nBase);
    p[1] = CPoint(p[0].x, nBase + m.nTabHeight - m.nSlant);
    p[2] = CPoint(p[0].x + m.nSlant, p[1].y + m.nSlant + m.nActiveDrop * a);
    p[3] = CPoint(p[2].x + m.nTabWidth - 2 * m.nSlant + m.nActiveWidening * a, p[2].y);
    p[4] = CPoint(p[3].x + m.nSlant, p[1].y);
    p[5] = CPoint(p[4].x, nBase);
    p[6] = p[0];
    return p;
}

CRect WorkbookTabTextRect(const TabPolygon& p, int cxIcon)
{
    return CRect(p[2].x + cxIcon + 3, p[0].y, p[4].x - 2, p[3].y);
}

CString ShortenTabText(const CString& strText, const std::function<bool(const CString&)>& fits)
{
    CString strShown = strText;
    int nKeep = strText.GetLength();
    while (strShown.GetLength() >= 4 && !fits(strShown) && nKeep > 0) {
        --nKeep;
        strShown = strText.Left(nKeep) + "...";
    }
    return strShown;
}

CRect WorkbookTabInvalidRect(const WorkbookTabMetrics& m, int k, int nLeft, int nBase, bool bToRight, int nRight)
{
    int x = k * m.nTabWidth + nLeft - 2;
    return CRect(x, nBase, bToRight ? nRight : x + m.nTabWidth + 4, nBase + m.nTabHeight + 4);
}

bool PointInTab(const TabPolygon& p, CPoint pt)
{
    // Even-odd crossing test over the closed outline.
    bool bInside = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        bool bCrosses = (p[i].y > pt.y) != (p[j].y > pt.y);
        if (bCrosses && pt.x < (p[j].x - p[i].x) * (pt.y - p[i].y) / (double)(p[j].y - p[i].y) + p[i].x)
            bInside = !bInside;
    }
    return bInside;
}

int WorkbookTabRowHeight(const WorkbookTabMetrics& m)
{
    return 4 + m.nTabHeight + m.nActiveDrop;
}
