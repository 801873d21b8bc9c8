#include "ui/frames/StatusPaneLayout.h"

#include <algorithm>
#include <cstring>

std::vector<int> LayoutPaneRights(const std::vector<PaneSpec>& panes, int nLeft, int nInsideWidth, int nSpacing)
{
    int nFree = nInsideWidth + nSpacing;
    int nStretch = 0;
    for (const PaneSpec& pane : panes) {
        nFree -= pane.cxText + kPaneTextMargin + nSpacing;
        if (pane.nStyle & SBPS_STRETCH)
            ++nStretch;
    }
    std::vector<int> rights;
    int nRight = nLeft;
    for (const PaneSpec& pane : panes) {
        nRight += pane.cxText + kPaneTextMargin;
        if ((pane.nStyle & SBPS_STRETCH) && nFree > 0 && nStretch > 0) {
            int nShare = nFree / nStretch;
            nRight += nShare;
            nFree -= nShare;
            --nStretch;
        }
        rights.push_back(nRight);
        nRight += nSpacing;
    }
    return rights;
}

CRect PaneRectFromParts(const std::vector<int>& parts, int nIndex, const StatusBorders& borders, const CRect& rcClient)
{
    if (nIndex < 0 || nIndex >= (int)parts.size())
        return CRect(0, 0, 0, 0);
    CRect rc;
    rc.left = nIndex == 0 ? borders.nHorz : parts[nIndex - 1] + borders.nSpacing;
    rc.right = parts[nIndex] == -1 ? rcClient.right - borders.nHorz : parts[nIndex];
    rc.top = borders.nVert;
    rc.bottom = std::max<LONG>(0, rcClient.bottom - borders.nVert + 1);
    return rc;
}

int CopyPaneText(const CString& strText, char* pszBuffer, int nBufferSize)
{
    if (pszBuffer == nullptr || nBufferSize <= 0)
        return 0;
    int nCopy = std::min(strText.GetLength(), nBufferSize - 1);
    std::memcpy(pszBuffer, (LPCTSTR)strText, (size_t)nCopy);
    pszBuffer[nCopy] = '\0';
    return nCopy;
}

int ProgressLeft(int nClientLeft, int cxCaption, const StatusBorders& borders)
{
    return nClientLeft + cxCaption + 2 * (borders.nHorz + borders.nSpacing) + 1;
}
