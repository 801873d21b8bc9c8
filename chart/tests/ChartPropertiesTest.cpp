// The chart settings' profile value: its key, and values out of their
// sane range falling back to the defaults.
#include "framework/Portable.h"
#include "chart/ChartProperties.h"

#include <gtest/gtest.h>

#include "framework/MemoryProfileStore.h"

namespace {

TEST(ChartPropertiesProfileTest, ValuesOutOfRangeFallBackToTheirDefaults) {
  struct Case {
    const char* stored;
    const char* expected;  // as written back
  };
  const Case cases[] = {
      {"3.5,1.0,0,20,24,0,1", "3.5,1.0,0,20,24,0,1"},
      {"", "2.0,0.0,1,12,12,1,0"},
      {"garbage", "2.0,0.0,1,12,12,1,0"},
      {"3.5,-2.5", "3.5,-2.5,1,12,12,1,0"},  // missing values keep defaults
      {"2,0,1,0,0,1,0", "2.0,0.0,1,12,12,1,0"},  // a grid of 0
      {"2,0,1,4,101,1,0", "2.0,0.0,1,12,12,1,0"},  // outside the dialog's 5..100
      {"2,0,1,5,100,1,0", "2.0,0.0,1,5,100,1,0"},
      {"2,0,1,1e300,-1e300,1,0", "2.0,0.0,1,12,12,1,0"},
      {"nan,nan,1,nan,inf,1,0", "2.0,0.0,1,12,12,1,0"},
      {"0,1e7,1,12,12,1,0", "2.0,0.0,1,12,12,1,0"},  // no separation, far away
      {"-3,-1e6,1,12,12,1,0", "2.0,-1000000.0,1,12,12,1,0"},
      {"1e300,0,1,12,12,1,0", "2.0,0.0,1,12,12,1,0"},
      {"2,0,7,12,12,-1,2", "2.0,0.0,1,12,12,1,0"},  // flags other than 0 and 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    CMemoryProfileStore store;
    store.WriteString("VikaChartModel", "Properties", c.stored);
    ChartProperties properties;
    properties.Load(store);
    EXPECT_STREQ(c.expected, properties.ToProfileString());
  }
}

TEST(ChartPropertiesProfileTest, WrittenUnderItsSectionAndKey) {
  CMemoryProfileStore store;
  ChartProperties properties;
  properties.Load(store);
  properties.m_dGridX = 30;
  properties.Save(store);
  EXPECT_EQ("VikaChartModel/Properties=2.0,0.0,1,30,12,1,0\n", store.Dump());
}

}  // namespace
