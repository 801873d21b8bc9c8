#include "framework/Framework.h"
#include "design/ElectrodeLayout.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <new>
#include <utility>

#include "framework/HostServices.h"
#include "design/VikaAddressMap.h"

namespace {

const double kRoot2 = std::sqrt(2.0);

// Absent electrodes are stored as DBL_MAX, so plot values can be huge or
// infinite; they are clamped, never converted out of range.
int ToPlotUnits(double value) {
  const double scaled = value * 1000.0;
  if (std::isnan(scaled))
    return 0;
  if (scaled >= static_cast<double>(INT_MAX))
    return INT_MAX;
  if (scaled <= static_cast<double>(INT_MIN))
    return INT_MIN;
  return static_cast<int>(scaled);
}

// n = distance / a, 0 when the spacing is 0 (coincident electrodes).
double Ratio(double distance, double a) { return a == 0.0 ? 0.0 : distance / a; }

}  // namespace

// ---------------------------------------------------------------- base

ElectrodeLayout::ElectrodeLayout(int code)
    : m_nCode(code), m_strName(ArrayTypeName(code)) {}

ElectrodeLayout::~ElectrodeLayout() = default;

BOOL ElectrodeLayout::ComparePairs(int, int, int, int) const { return FALSE; }

double ElectrodeLayout::GetLength() const {
  double smallest = DBL_MAX, largest = -DBL_MAX;
  for (int i = 0; i < m_positions.GetSize(); ++i) {
    const double p = m_positions[i];
    if (std::fabs(p) >= 1e12)
      continue;
    if (p < smallest) smallest = p;
    if (p > largest) largest = p;
  }
  return largest < smallest ? 0.0 : largest - smallest;
}

void ElectrodeLayout::SetElectrodes(int e1, int e2, int e3, int e4) {
  m_positions.RemoveAll();
  for (int e : {e1, e2, e3, e4})
    m_positions.Add(e < 1 ? DBL_MAX : static_cast<double>(e));
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      if (m_positions[i] > m_positions[j]) {
        const double t = m_positions[i];
        m_positions[i] = m_positions[j];
        m_positions[j] = t;
      }
}

POINT ElectrodeLayout::PlotPoint(int e1, int e2, int e3, int e4) {
  SetElectrodes(e1, e2, e3, e4);
  POINT point;
  point.x = ToPlotUnits(GetX());
  point.y = ToPlotUnits(GetPseudoDepth());
  return point;
}

double ElectrodeLayout::GetX() const { return 196 * P(2) + P(3); }
double ElectrodeLayout::GetPseudoDepth() const { return 196 * P(0) + P(1); }
double ElectrodeLayout::GetSpacing() const { return 0; }
double ElectrodeLayout::GetLevel() const { return 0; }
double ElectrodeLayout::GetDepth(int, int) const { return 0; }
BOOL ElectrodeLayout::UsesLevel() const { return TRUE; }

BOOL ElectrodeLayout::ElectrodesExist(const CVikaAddressMap& map,
                                      const int electrodes[4]) const {
  MapItem item;
  for (int i = 0; i < 4; ++i)
    if (electrodes[i] > 0 && !map.Lookup(electrodes[i], item))
      return FALSE;
  return TRUE;
}

CVikaCommand ElectrodeLayout::MakeFromPattern(const CVikaAddressMap& map,
                                              const long long pattern[4],
                                              long long bound,
                                              BOOL reverse) const {
  CVikaCommand command(1);
  if (pattern[0] < 1 || bound > static_cast<long long>(map.m_nElectrodes))
    return command;
  int e[4];
  for (int i = 0; i < 4; ++i) {
    if (pattern[i] < INT_MIN || pattern[i] > INT_MAX)
      return command;
    e[i] = static_cast<int>(pattern[i]);
  }
  if (!ElectrodesExist(map, e))
    return command;
  if (reverse) {
    std::swap(e[0], e[2]);
    std::swap(e[1], e[3]);
  }
  return CVikaCommand(e[0], e[1], e[2], e[3]);
}

double ElectrodeLayout::P(int i) const {
  return i < m_positions.GetSize() ? m_positions[i] : DBL_MAX;
}

CVikaCommand PatternlessLayout::MakeCommand(const CVikaAddressMap&, int, int,
                                            int, BOOL) const {
  return CVikaCommand(1);
}

// ---------------------------------------------------------------- types

double Resistance::GetX() const { return 0; }
double Resistance::GetDepth(int, int) const { return 1; }

double WennerLayout::GetX() const { return P(0) + (P(3) - P(0)) / 2; }
double WennerLayout::GetPseudoDepth() const { return (P(2) - P(1)) / kRoot2; }
double WennerLayout::GetSpacing() const { return std::fabs(P(2) - P(1)); }
double WennerLayout::GetLevel() const { return 1; }
double WennerLayout::GetDepth(int a, int) const { return a / kRoot2; }
BOOL WennerLayout::UsesLevel() const { return FALSE; }

BOOL WennerA::ComparePairs(int i, int j, int k, int l) const {
  return i > k && j < l;
}

CVikaCommand WennerA::MakeCommand(const CVikaAddressMap& map, int x, int,
                                  int a, BOOL reverse) const {
  const long long X = x, A = a;
  const long long e[4] = {X, X + 3 * A, X + A, X + 2 * A};
  return MakeFromPattern(map, e, X + 3 * A, reverse);
}

BOOL WennerB::ComparePairs(int i, int j, int k, int l) const {
  return i > k && j > l;
}

CVikaCommand WennerB::MakeCommand(const CVikaAddressMap& map, int x, int,
                                  int a, BOOL reverse) const {
  const long long X = x, A = a;
  const long long e[4] = {X, X + A, X + 2 * A, X + 3 * A};
  return MakeFromPattern(map, e, X + 3 * A, reverse);
}

// The reversed Wenner (G) command x+a, x+3a, x, x+2a has C2 > P2.
BOOL WennerG::ComparePairs(int i, int j, int k, int l) const {
  return i > k && j > l;
}

CVikaCommand WennerG::MakeCommand(const CVikaAddressMap& map, int x, int,
                                  int a, BOOL reverse) const {
  const long long X = x, A = a;
  const long long e[4] = {X, X + 2 * A, X + A, X + 3 * A};
  return MakeFromPattern(map, e, X + 3 * A, reverse);
}

BOOL PolePole::ComparePairs(int i, int, int k, int) const { return i > k; }
double PolePole::GetX() const { return P(0) + (P(1) - P(0)) / 2; }
double PolePole::GetPseudoDepth() const { return (P(1) - P(0)) / kRoot2; }
double PolePole::GetSpacing() const { return std::fabs(P(1) - P(0)); }
double PolePole::GetLevel() const { return 1; }
double PolePole::GetDepth(int a, int) const { return a / kRoot2; }
BOOL PolePole::UsesLevel() const { return FALSE; }

CVikaCommand PolePole::MakeCommand(const CVikaAddressMap& map, int x, int,
                                   int a, BOOL reverse) const {
  const long long X = x, A = a;
  const long long e[4] = {X, 0, X + A, 0};
  return MakeFromPattern(map, e, X + A, reverse);
}

BOOL DipoleDipole::ComparePairs(int i, int j, int k, int l) const {
  return i > k && j > l;
}
double DipoleDipole::GetX() const { return P(0) + (P(3) - P(0)) / 2; }
double DipoleDipole::GetPseudoDepth() const {
  return GetSpacing() * (GetLevel() + 1) / kRoot2;
}
double DipoleDipole::GetSpacing() const { return std::fabs(P(3) - P(2)); }
double DipoleDipole::GetLevel() const {
  return Ratio(P(2) - P(1), GetSpacing());
}
double DipoleDipole::GetDepth(int a, int n) const {
  return a * (n + 1.0) / kRoot2;
}

// The bound is the farthest electrode x+(n+2)a: an address file may list
// entries beyond its electrode count, and those must not reach a protocol.
CVikaCommand DipoleDipole::MakeCommand(const CVikaAddressMap& map, int x,
                                       int n, int a, BOOL reverse) const {
  const long long X = x, A = a, N = n;
  const long long e[4] = {X, X + A, X + (N + 2) * A, X + (N + 1) * A};
  return MakeFromPattern(map, e, X + (N + 2) * A, reverse);
}

BOOL PoleDipole::ComparePairs(int i, int j, int k, int) const {
  return i > k && j > 0;
}
double PoleDipole::GetX() const { return P(0) + (P(1) - P(0)) / 2; }
double PoleDipole::GetPseudoDepth() const {
  return GetSpacing() * (GetLevel() + 1) / kRoot2;
}
double PoleDipole::GetSpacing() const { return std::fabs(P(2) - P(1)); }
double PoleDipole::GetLevel() const { return Ratio(P(1) - P(0), GetSpacing()); }
double PoleDipole::GetDepth(int a, int n) const {
  return a * (n + 0.5) / kRoot2;
}

CVikaCommand PoleDipole::MakeCommand(const CVikaAddressMap& map, int x, int n,
                                     int a, BOOL reverse) const {
  const long long X = x, A = a, N = n;
  const long long e[4] = {X, 0, X + N * A, X + (N + 1) * A};
  return MakeFromPattern(map, e, X + (N + 1) * A, reverse);
}

double SquareLayout::GetX() const { return 0; }
double SquareLayout::GetDepth(int a, int) const { return a / kRoot2; }

BOOL Schlumberger::ComparePairs(int i, int j, int k, int l) const {
  return i > k && j < l;
}
double Schlumberger::GetX() const { return P(0) + (P(3) - P(0)) / 2; }
double Schlumberger::GetPseudoDepth() const {
  const double a = GetSpacing();
  return (a * GetLevel() + a / 2) / kRoot2;
}
double Schlumberger::GetSpacing() const { return std::fabs(P(2) - P(1)); }
double Schlumberger::GetLevel() const {
  return Ratio(P(1) - P(0), GetSpacing());
}
double Schlumberger::GetDepth(int a, int n) const {
  return (static_cast<double>(a) * n + a / 2.0) / kRoot2;
}

CVikaCommand Schlumberger::MakeCommand(const CVikaAddressMap& map, int x,
                                       int n, int a, BOOL reverse) const {
  const long long X = x, A = a, N = n;
  const long long e[4] = {X, X + (2 * N + 1) * A, X + N * A, X + (N + 1) * A};
  return MakeFromPattern(map, e, X + (2 * N + 1) * A, reverse);
}

double EquatorialDipoleDipole::GetX() const { return 0; }
double EquatorialDipoleDipole::GetDepth(int a, int n) const {
  return static_cast<double>(a) * n / kRoot2;
}

BOOL Potential::UsesLevel() const { return FALSE; }

CVikaCommand Potential::MakeCommand(const CVikaAddressMap& map, int x, int,
                                    int a, BOOL reverse) const {
  CVikaCommand command(1);
  const long long p1 = x, p2 = static_cast<long long>(x) + a;
  if (p1 < 1 || p2 < 1 || p2 > static_cast<long long>(map.m_nElectrodes))
    return command;
  int e[4] = {0, 0, x, static_cast<int>(p2)};
  if (!ElectrodesExist(map, e))
    return command;
  if (reverse)
    std::swap(e[2], e[3]);
  return CVikaCommand(e[0], e[1], e[2], e[3]);
}

double Gradient::GetX() const { return P(0) + (P(1) - P(0)) / 2; }
double Gradient::GetPseudoDepth() const { return (P(2) - P(1)) / kRoot2; }

// ---------------------------------------------------------------- factory

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

static ElectrodeLayout* NewLayout(UINT code) {
  switch (code) {
    case ArrayResistance: return new Resistance;
    case ArrayWennerA: return new WennerA;
    case ArrayWennerB: return new WennerB;
    case ArrayWennerG: return new WennerG;
    case ArrayPolePole: return new PolePole;
    case ArrayDipoleDipole: return new DipoleDipole;
    case ArrayPoleDipole: return new PoleDipole;
    case ArraySquareA: return new SquareA;
    case ArraySquareB: return new SquareB;
    case ArraySquareG: return new SquareG;
    case ArraySchlumberger: return new Schlumberger;
    case ArraySurface: return new Surface;
    case ArrayTomography: return new Tomography;
    case ArrayEquatorialDipoleDipole: return new EquatorialDipoleDipole;
    case ArrayPotential: return new Potential;
    case ArrayGradient: return new Gradient;
    default: return nullptr;
  }
}

ElectrodeLayout* CreateElectrodeLayout(UINT code) {
  if (code > ArrayGradient) {
    GetHostServices().ReportError("Unknown array code!", HostIcon::Stop);
    return nullptr;
  }
  try {
    return NewLayout(code);
  } catch (const std::bad_alloc&) {
    GetHostServices().ReportError("Failed to allocate ElectrodeLayout object!",
                                  HostIcon::Stop);
    return nullptr;
  }
}
