#include "framework/Portable.h"
#include "design/AddressFormat.h"

#include "design/TextLines.h"

using designtext::Scanner;

namespace {

bool ReadFields(std::string_view text, UINT* const fields[], int count) {
  Scanner scanner(text);
  for (int i = 0; i < count; ++i) {
    unsigned value = 0;
    if (!scanner.Unsigned(value))
      return false;
    *fields[i] = value;
  }
  return true;
}

}  // namespace

bool AddressHeader::ReadLine(int line, std::string_view text) {
  switch (line) {
    case 1: {
      UINT* const fields[] = {&m_nCables, &m_nTakeouts};
      return ReadFields(text, fields, 2);
    }
    case 2: {
      UINT* const fields[] = {&m_nFactor, &m_nXMove, &m_nYMove};
      const bool read = ReadFields(text, fields, 3);
      ApplyYRoll();
      return read;
    }
    case 3: {
      UINT* const fields[] = {&m_nElectrodes};
      return ReadFields(text, fields, 1);
    }
    default:
      return false;
  }
}

void AddressHeader::ApplyYRoll() {
  m_bYRoll = m_nYMove > 0;
  if (m_bYRoll)
    m_nXMove = 0;
}

bool AddressRow::Within(long long low, long long high) const {
  for (long long value : {electrode, address, cable, takeout}) {
    if (value < low || value > high)
      return false;
  }
  return true;
}

bool ReadAddressRow(std::string_view text, AddressRow& row) {
  Scanner scanner(text);
  AddressRow read;
  if (!scanner.Long(read.electrode) || !scanner.Long(read.address) ||
      !scanner.Long(read.cable) || !scanner.Char('-') ||
      !scanner.Long(read.takeout))
    return false;
  row = read;
  return true;
}
