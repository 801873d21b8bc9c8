// One geometry point.
#pragma once
#include "framework/Portable.h"

class Coordinate : public CObject {
  DECLARE_SERIAL(Coordinate)

 public:
  Coordinate();
  Coordinate(double x, double y, double z);
  explicit Coordinate(const double xyz[3]);
  // Parses "index x y z" or "x y z"; fields not given are 0.
  explicit Coordinate(const CString& line);
  Coordinate(const Coordinate& other);
  Coordinate& operator=(const Coordinate& other);

  // x, y and z each with the width and precision, separated by tabs.
  virtual CString Format(int width, int precision) const;

  double x;
  double y;
  double z;
};
