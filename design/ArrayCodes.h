// The codes of the electrode array types and their display names. A leaf:
// the project records name a protocol's array without the design core.
#pragma once
#include "framework/Portable.h"

enum ArrayCode {
  ArrayResistance = 0,
  ArrayWennerA = 1,
  ArrayWennerB = 2,
  ArrayWennerG = 3,
  ArrayPolePole = 4,
  ArrayDipoleDipole = 5,
  ArrayPoleDipole = 6,
  ArraySquareA = 7,
  ArraySquareB = 8,
  ArraySquareG = 9,
  ArraySchlumberger = 10,
  ArraySurface = 11,
  ArrayTomography = 12,
  ArrayEquatorialDipoleDipole = 13,
  ArrayPotential = 14,
  ArrayGradient = 15,
  ArrayLogging = 1001,
};

// The display name of an array code; "-" for codes without a name.
CString ArrayTypeName(int code);
