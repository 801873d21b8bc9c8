#include "framework/Portable.h"
#include "design/ArrayCodes.h"

CString ArrayTypeName(int code) {
  static const char* const kNames[] = {
      "Resistance",   "Wenner (A)",     "Wenner (B)",   "Wenner (G)",
      "Pole Pole",    "Dipole Dipole",  "Pole Dipole",  "Square (A)",
      "Square (B)",   "Square (G)",     "Schlumberger", "Surface",
      "Tomography",   "Equatorial Dipole Dipole",     "Potential"};
  if (code >= 0 && code < static_cast<int>(sizeof kNames / sizeof kNames[0]))
    return CString(kNames[code]);
  if (code == ArrayLogging)
    return CString("Logging");
  return CString("-");
}
