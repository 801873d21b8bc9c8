#include "ui/lists/ListGeometry.h"

#include <algorithm>
#include <numeric>

int CListRowGeometry::CountPerPage(int nTop, int nHeight) const {
  int nRows = 0;
  int y = 0;
  for (int i = std::max(nTop, 0); i < m_nCount; ++i) {
    y += m_pitchOf(i);
    if (y > nHeight)
      return std::max(nRows, 1);
    ++nRows;
  }
  for (int i = nTop - 1; i >= 0; --i) {
    y += m_pitchOf(i);
    if (y > nHeight)
      break;
    ++nRows;
  }
  return nRows;
}

int CListRowGeometry::CountAboveTop(int nTop, int nHeight) const {
  int nRows = 0;
  int y = 0;
  for (int i = std::min(nTop, m_nCount) - 1; i >= 0; --i) {
    y += m_pitchOf(i);
    if (y > nHeight)
      break;
    ++nRows;
  }
  return std::max(nRows, nTop > 0 ? 1 : 0);
}

int CListRowGeometry::LastPageTop(int nHeight) const {
  int y = 0;
  for (int i = m_nCount - 1; i >= 0; --i) {
    y += m_pitchOf(i);
    if (y > nHeight)
      return i + 1 < m_nCount ? i + 1 : m_nCount;
  }
  return 0;
}

int CListRowGeometry::LastVisibleIndex(int nTop, int nHeight) const {
  int y = 0;
  for (int i = std::max(nTop, 0); i < m_nCount; ++i) {
    y += m_pitchOf(i);
    if (y > nHeight)
      return std::max(i - 1, nTop);
  }
  return m_nCount - 1;
}

int CListRowGeometry::FirstHiddenIndex(int nTop, int nHeight) const {
  int y = 0;
  for (int i = std::max(nTop, 0); i < m_nCount; ++i) {
    if (y >= nHeight)
      return i;
    y += m_pitchOf(i);
  }
  return m_nCount;
}

int CListRowGeometry::PageUpIndex(int nTop, int nHeight) const {
  return std::max(nTop - CountAboveTop(nTop, nHeight), 0);
}

int CListRowGeometry::RowAtY(int nTop, int y) const {
  if (y < 0)
    return -1;
  int bottom = 0;
  for (int i = std::max(nTop, 0); i < m_nCount; ++i) {
    bottom += m_pitchOf(i);
    if (y < bottom)
      return i;
  }
  return -1;
}

int CListRowGeometry::RangeHeight(int nFrom, int nTo, BOOL bInclusive) const {
  if (nFrom > nTo)
    return -RangeHeight(nTo, nFrom, bInclusive);
  int nEnd = std::min(bInclusive ? nTo + 1 : nTo, m_nCount);
  int h = 0;
  for (int i = std::max(nFrom, 0); i < nEnd; ++i)
    h += m_pitchOf(i);
  return h;
}

int CListRowGeometry::CountRowsInHeight(int nHeight, int nFrom, BOOL bDown) const {
  int nRows = 0;
  int y = 0;
  for (int i = nFrom; i >= 0 && i < m_nCount && y < nHeight; i += bDown ? 1 : -1) {
    y += m_pitchOf(i);
    ++nRows;
  }
  return nRows;
}

int CListRowGeometry::TopToShowRange(int nTop, int nHeight, int nFirst, int nLast) const {
  if (nFirst >= nTop && nLast <= LastVisibleIndex(nTop, nHeight))
    return nTop;
  if (nFirst < nTop)
    return nFirst;
  // Counted back from nFirst by the height the range leaves free.
  int nFree = nHeight - RangeHeight(nFirst, nLast, TRUE);
  int nNewTop = nFirst;
  while (nNewTop > 0 && nFree - m_pitchOf(nNewTop - 1) >= 0) {
    nFree -= m_pitchOf(nNewTop - 1);
    --nNewTop;
  }
  return nNewTop;
}

std::vector<int> ResizeColumnWidths(std::vector<int> widths, int nColumn, int nDelta, bool bFit, int nAreaWidth) {
  int n = static_cast<int>(widths.size());
  if (nColumn < 0 || nColumn >= n)
    return widths;
  widths[nColumn] += nDelta;
  if (bFit && nColumn + 1 < n)
    widths[nColumn + 1] -= nDelta;
  for (int& w : widths)
    w = std::max(w, kMinColumnWidth);
  if (!bFit)
    return widths;
  int nExcess = std::accumulate(widths.begin(), widths.end(), 0) - nAreaWidth;
  // Column 0 gives back the excess first, then the others from the right.
  for (int i = 0; nExcess > 0 && i < n; ++i) {
    int c = i == 0 ? 0 : n - i;
    int nGive = std::min(nExcess, widths[c] - kMinColumnWidth);
    widths[c] -= nGive;
    nExcess -= nGive;
  }
  return widths;
}

std::vector<int> FitColumnWidths(std::vector<int> widths, int nLabel, int nAreaWidth) {
  int n = static_cast<int>(widths.size());
  if (nLabel < 0 || nLabel >= n)
    return widths;
  int nOthers = std::accumulate(widths.begin(), widths.end(), 0) - widths[nLabel];
  widths[nLabel] = std::max(nAreaWidth - nOthers, kMinColumnWidth);
  return widths;
}
