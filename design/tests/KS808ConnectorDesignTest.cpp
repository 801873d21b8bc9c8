#include "framework/Portable.h"
#include "design/KS808ConnectorDesign.h"

#include <gtest/gtest.h>

namespace {

TEST(KS808ConnectorDesign, Pins) {
  const KS808ConnectorDesign design;
  struct Case {
    int connector, address, pin;
  } cases[] = {
      {0, 1, 'A'},  {0, 9, 'J'},  {0, 22, 'Y'}, {0, 23, 'Z'}, {0, 24, 'a'},
      {0, 32, 'j'}, {1, 33, 'A'}, {1, 41, 'J'}, {1, 64, 'j'}, {2, 22, 'M'},
      {2, 32, 'Y'}, {2, 54, 'A'}, {2, 64, 'L'}, {2, 1, 0},    {2, 33, 0},
      {0, 33, 0},   {1, 32, 0},   {3, 1, 0},    {-1, 1, 0},   {0, 0, 0},
      {1, 65, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.pin, design.GetPin(c.connector, c.address))
        << c.connector << "/" << c.address;
}

TEST(KS808ConnectorDesign, EveryAddressReachesOneOrTwoConnectors) {
  for (int address = 1; address <= 64; ++address) {
    int connectors = 0;
    for (int c = 0; c < 3; ++c)
      connectors += g_KS808ConnectorDesign.GetPin(c, address) != 0;
    const bool shared = (address >= 22 && address <= 32) || address >= 54;
    EXPECT_EQ(shared ? 2 : 1, connectors) << address;
  }
}

}  // namespace
