// Electrode array types: turn the four electrodes of a command into plot
// position, pseudo-depth, spacing a and level n, and make the command for a
// start electrode x, level n and spacing a.
#pragma once
#include "framework/Portable.h"

#include <memory>

#include "design/ArrayCodes.h"
#include "design/VikaCommand.h"

class CVikaAddressMap;

class ElectrodeLayout {
 public:
  explicit ElectrodeLayout(int code);
  virtual ~ElectrodeLayout();
  ElectrodeLayout(const ElectrodeLayout&) = delete;
  ElectrodeLayout& operator=(const ElectrodeLayout&) = delete;

  // TRUE when (C1, C2) and (P1, P2) stand in the array's reciprocal order.
  virtual BOOL ComparePairs(int i, int j, int k, int l) const;
  // Largest minus smallest present position.
  virtual double GetLength() const;
  virtual void SetElectrodes(int e1, int e2, int e3, int e4);
  // Position and pseudo-depth in thousandths of an electrode spacing.
  virtual POINT PlotPoint(int e1, int e2, int e3, int e4);
  virtual double GetX() const;
  virtual double GetPseudoDepth() const;
  virtual double GetSpacing() const;
  virtual double GetLevel() const;
  virtual double GetDepth(int a, int n) const;
  virtual CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n,
                                   int a, BOOL reverse) const = 0;
  virtual BOOL ElectrodesExist(const CVikaAddressMap& map,
                               const int electrodes[4]) const;
  // Whether the commands depend on the level n; those that do not are made
  // for n = 1 only.
  virtual BOOL UsesLevel() const;
  // How far past the start electrode x the farthest electrode of the
  // command for level n and spacing a lies (its other electrodes lie between
  // x and that one), or -1 when the type does not say. The generator tries
  // no start whose command would reach past the last electrode, and skips
  // the levels that cannot fit: a reach never falls as n grows.
  virtual long long GetReach(int n, int a) const;

  int GetCode() const { return m_nCode; }
  const CString& GetName() const { return m_strName; }
  // Sorted positions of the last SetElectrodes; absent ones are DBL_MAX.
  double GetPosition(int i) const { return P(i); }

 protected:
  double P(int i) const;
  // The common frame of MakeCommand around a pattern C1, C2, P1, P2.
  // Electrodes are computed wide so that no spacing or level overflows.
  CVikaCommand MakeFromPattern(const CVikaAddressMap& map,
                               const long long pattern[4], long long bound,
                               BOOL reverse) const;

  CArray<double, double> m_positions;
  int m_nCode;
  CString m_strName;
};

// Types with no command pattern: MakeCommand gives the invalid command.
class PatternlessLayout : public ElectrodeLayout {
 public:
  using ElectrodeLayout::ElectrodeLayout;
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override;
  long long GetReach(int n, int a) const override;
};

class Resistance : public PatternlessLayout {
 public:
  Resistance() : PatternlessLayout(ArrayResistance) {}
  double GetX() const override;
  double GetDepth(int a, int n) const override;
};

class WennerLayout : public ElectrodeLayout {
 public:
  using ElectrodeLayout::ElectrodeLayout;
  double GetX() const override;
  double GetPseudoDepth() const override;
  double GetSpacing() const override;
  double GetLevel() const override;
  double GetDepth(int a, int n) const override;
  BOOL UsesLevel() const override;
  long long GetReach(int n, int a) const override;
};

class WennerA : public WennerLayout {
 public:
  WennerA() : WennerLayout(ArrayWennerA) {}
  BOOL ComparePairs(int i, int j, int k, int l) const override;
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override;
};

class WennerB : public WennerLayout {
 public:
  WennerB() : WennerLayout(ArrayWennerB) {}
  BOOL ComparePairs(int i, int j, int k, int l) const override;
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override;
};

class WennerG : public WennerLayout {
 public:
  WennerG() : WennerLayout(ArrayWennerG) {}
  BOOL ComparePairs(int i, int j, int k, int l) const override;
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override;
};

class PolePole : public ElectrodeLayout {
 public:
  PolePole() : ElectrodeLayout(ArrayPolePole) {}
  BOOL ComparePairs(int i, int j, int k, int l) const override;
  double GetX() const override;
  double GetPseudoDepth() const override;
  double GetSpacing() const override;
  double GetLevel() const override;
  double GetDepth(int a, int n) const override;
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override;
  BOOL UsesLevel() const override;
  long long GetReach(int n, int a) const override;
};

class DipoleDipole : public ElectrodeLayout {
 public:
  DipoleDipole() : ElectrodeLayout(ArrayDipoleDipole) {}
  BOOL ComparePairs(int i, int j, int k, int l) const override;
  double GetX() const override;
  double GetPseudoDepth() const override;
  double GetSpacing() const override;
  double GetLevel() const override;
  double GetDepth(int a, int n) const override;
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override;
  long long GetReach(int n, int a) const override;
};

class PoleDipole : public ElectrodeLayout {
 public:
  PoleDipole() : ElectrodeLayout(ArrayPoleDipole) {}
  BOOL ComparePairs(int i, int j, int k, int l) const override;
  double GetX() const override;
  double GetPseudoDepth() const override;
  double GetSpacing() const override;
  double GetLevel() const override;
  double GetDepth(int a, int n) const override;
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override;
  long long GetReach(int n, int a) const override;
};

class SquareLayout : public PatternlessLayout {
 public:
  using PatternlessLayout::PatternlessLayout;
  double GetX() const override;
  double GetDepth(int a, int n) const override;
};

class SquareA : public SquareLayout {
 public:
  SquareA() : SquareLayout(ArraySquareA) {}
};

class SquareB : public SquareLayout {
 public:
  SquareB() : SquareLayout(ArraySquareB) {}
};

class SquareG : public SquareLayout {
 public:
  SquareG() : SquareLayout(ArraySquareG) {}
};

class Schlumberger : public ElectrodeLayout {
 public:
  Schlumberger() : ElectrodeLayout(ArraySchlumberger) {}
  BOOL ComparePairs(int i, int j, int k, int l) const override;
  double GetX() const override;
  double GetPseudoDepth() const override;
  double GetSpacing() const override;
  double GetLevel() const override;
  double GetDepth(int a, int n) const override;
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override;
  long long GetReach(int n, int a) const override;
};

class Surface : public PatternlessLayout {
 public:
  Surface() : PatternlessLayout(ArraySurface) {}
};

class Tomography : public PatternlessLayout {
 public:
  Tomography() : PatternlessLayout(ArrayTomography) {}
};

class EquatorialDipoleDipole : public PatternlessLayout {
 public:
  EquatorialDipoleDipole() : PatternlessLayout(ArrayEquatorialDipoleDipole) {}
  double GetX() const override;
  double GetDepth(int a, int n) const override;
};

class Potential : public ElectrodeLayout {
 public:
  Potential() : ElectrodeLayout(ArrayPotential) {}
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override;
  BOOL UsesLevel() const override;
  long long GetReach(int n, int a) const override;
};

class Gradient : public PatternlessLayout {
 public:
  Gradient() : PatternlessLayout(ArrayGradient) {}
  double GetX() const override;
  double GetPseudoDepth() const override;
};

// A new layout for codes 0-15. Any other code, or no memory, gives null and
// the message the caller reports in *error (when given): the factory shows
// nothing itself.
std::unique_ptr<ElectrodeLayout> CreateElectrodeLayout(UINT code,
                                                       CString* error = nullptr);
