// Row and column arithmetic of the list engine, apart from any window. Rows
// may differ in height; a row's pitch (spacing plus height) comes from the
// caller, which measures it on demand. Every walk starts at the top row or
// the row asked about, so its cost follows what is visible or what changed,
// never the row count.
#pragma once

#include "framework/Types.h"

#include <functional>
#include <vector>

class CListRowGeometry {
 public:
  using PitchOf = std::function<int(int)>;

  CListRowGeometry(int nCount, PitchOf pitchOf) : m_nCount(nCount), m_pitchOf(std::move(pitchOf)) {}

  // Rows from nTop that fit in nHeight; when the list ends first, rows above
  // nTop that still fit are added.
  int CountPerPage(int nTop, int nHeight) const;
  // Rows above nTop that fit in one area height.
  int CountAboveTop(int nTop, int nHeight) const;
  // The top at which the last row sits at the bottom of the area (the count
  // when even the last row does not fit).
  int LastPageTop(int nHeight) const;
  // The last row from nTop on that lies wholly inside the area.
  int LastVisibleIndex(int nTop, int nHeight) const;
  // The first row from nTop on that starts at or below the area's bottom.
  int FirstHiddenIndex(int nTop, int nHeight) const;
  // The row reached going up one area height from nTop.
  int PageUpIndex(int nTop, int nHeight) const;
  // The row under y (relative to the top row's top), or -1 below the rows.
  int RowAtY(int nTop, int y) const;
  // Summed pitch from nFrom to nTo (negative when nFrom > nTo).
  int RangeHeight(int nFrom, int nTo, BOOL bInclusive) const;
  // Rows from nFrom (down or up) whose pitches reach nHeight.
  int CountRowsInHeight(int nHeight, int nFrom, BOOL bDown) const;
  // The top that shows nFirst..nLast (as much as fits, from nFirst), or
  // nTop when they are already wholly visible.
  int TopToShowRange(int nTop, int nHeight, int nFirst, int nLast) const;

 private:
  int m_nCount;
  PitchOf m_pitchOf;
};

// Column widths after the user dragged column nColumn's divider by nDelta.
// With fit-columns the next column gives or takes the difference and the
// excess over nAreaWidth comes back from column 0. No column ends narrower
// than kMinColumnWidth, column 0 included.
constexpr int kMinColumnWidth = 5;
std::vector<int> ResizeColumnWidths(std::vector<int> widths, int nColumn, int nDelta, bool bFit, int nAreaWidth);
// The label column (nLabel) takes the area width less the other columns
// (never below the minimum).
std::vector<int> FitColumnWidths(std::vector<int> widths, int nLabel, int nAreaWidth);
