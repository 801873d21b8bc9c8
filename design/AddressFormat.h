// The grammar of an address file (".ADR"): three header lines and one entry
// row per line after them. The address editor and the address map both read
// through it; the editor refuses what does not read, the map skips it.
#pragma once
#include "framework/Portable.h"

#include <string_view>

// The layout header of an address file, lines 1 to 3.
struct AddressHeader {
  enum { Lines = 3 };

  // Reads header line 1 ("cables takeouts"), 2 ("factor X-move Y-move") or
  // 3 ("electrodes") into its fields in order, as far as they read; FALSE
  // when a field is missing. Line 2 applies the Y rule.
  bool ReadLine(int line, std::string_view text);
  // A Y-move above 0 rolls the layout in Y, and the X-move is then 0.
  void ApplyYRoll();

  UINT m_nCables = 0;
  UINT m_nTakeouts = 0;
  UINT m_nFactor = 0;
  UINT m_nXMove = 0;
  UINT m_nYMove = 0;
  BOOL m_bYRoll = FALSE;
  UINT m_nElectrodes = 0;
};

// One entry row, "electrode address cable-takeout", values as written.
struct AddressRow {
  long long electrode = 0;
  long long address = 0;
  long long cable = 0;
  long long takeout = 0;

  // Every value within [low, high]: the editor takes unsigned values, the
  // map signed ones.
  bool Within(long long low, long long high) const;
};

// Reads the row at the start of text (white space first is skipped, the
// cable and takeout are joined by "-"); FALSE when it holds no entry.
// Anything after the takeout is not looked at.
bool ReadAddressRow(std::string_view text, AddressRow& row);
