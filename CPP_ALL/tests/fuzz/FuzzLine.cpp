#include "CPP_ALL/tests/fuzz/FuzzLine.h"

#include <algorithm>
#include <cstring>

int FuzzLine::RawRead(uint8_t* data, int n) {
  int count = int(std::min(size_t(n), m_released - m_read));
  if (count > 0) std::memcpy(data, m_input.data() + m_read, size_t(count));
  m_read += size_t(count);
  return count;
}

void FuzzLine::Release() { m_released = std::min(m_input.size(), m_released + kSlice); }
