#include "framework/Portable.h"
#include "design/Coordinate.h"

#include <string>

#include "design/TextLines.h"

IMPLEMENT_SERIAL(Coordinate, CObject, VERSIONABLE_SCHEMA | 1)

Coordinate::Coordinate() : x(0), y(0), z(0) {}

Coordinate::Coordinate(double x, double y, double z) : x(x), y(y), z(z) {}

Coordinate::Coordinate(const double xyz[3]) : x(xyz[0]), y(xyz[1]), z(xyz[2]) {}

static int ScanThree(designtext::Scanner& scanner, double values[3]) {
  int count = 0;
  while (count < 3 && scanner.Double(values[count]))
    ++count;
  return count;
}

Coordinate::Coordinate(const CString& line) : x(0), y(0), z(0) {
  const std::string_view text = static_cast<LPCTSTR>(line);
  double values[3] = {0, 0, 0};

  // First form: a leading index (or any word) is skipped.
  designtext::Scanner indexed(text);
  indexed.SkipSpace();
  std::string_view rest = indexed.Rest();
  const size_t wordEnd = rest.find_first_of(" \t\r\n\v\f");
  bool parsed = false;
  if (!rest.empty() && wordEnd != std::string_view::npos) {
    designtext::Scanner scanner(rest.substr(wordEnd));
    parsed = ScanThree(scanner, values) == 3;
  }
  if (!parsed) {
    values[0] = values[1] = values[2] = 0;
    designtext::Scanner scanner(text);
    ScanThree(scanner, values);
  }
  x = values[0];
  y = values[1];
  z = values[2];
}

Coordinate::Coordinate(const Coordinate& other)
    : CObject(), x(other.x), y(other.y), z(other.z) {}

Coordinate& Coordinate::operator=(const Coordinate& other) {
  if (this != &other) {
    x = other.x;
    y = other.y;
    z = other.z;
  }
  return *this;
}

CString Coordinate::Format(int width, int precision) const {
  const std::string text = designtext::FormatFixed(x, width, precision) + "\t" +
                           designtext::FormatFixed(y, width, precision) + "\t" +
                           designtext::FormatFixed(z, width, precision);
  return CString(text.c_str());
}
