// The chart settings read from any profile content: every value ends in
// its sane range, and the text written back reads back unchanged.
#include "framework/Framework.h"
#include "chart/ChartProperties.h"

#include <cstdlib>

#include "framework/fuzz/ProfileFuzzInput.h"

namespace {

bool InRange(const ChartProperties& p) {
  const auto flag = [](int v) { return v == 0 || v == 1; };
  return p.m_dGridX >= ChartProperties::kMinGrid &&
         p.m_dGridX <= ChartProperties::kMaxGrid &&
         p.m_dGridY >= ChartProperties::kMinGrid &&
         p.m_dGridY <= ChartProperties::kMaxGrid &&
         p.m_dTakeoutSeparation > 0 && p.m_dTakeoutSeparation <= 1000 &&
         p.m_dOrgPosition >= -1e6 && p.m_dOrgPosition <= 1e6 &&
         flag(p.m_bAutoSort) && flag(p.m_bShowIndex) &&
         flag(p.m_bReciprocalLayout);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CMemoryProfileStore store;
  FillProfileFromFuzz(data, size, store);
  ChartProperties properties;
  properties.Load(store);
  if (!InRange(properties))
    std::abort();
  const CString written = properties.ToProfileString();

  properties.Save(store);
  ChartProperties again;
  again.Load(store);
  if (again.ToProfileString() != written)
    std::abort();
  return 0;
}
