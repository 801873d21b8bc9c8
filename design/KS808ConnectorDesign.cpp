#include "framework/Portable.h"
#include "design/KS808ConnectorDesign.h"

namespace {
// Pin letters in connector order: no I, O or Q, then a-h and j.
const char kPinLetters[] = "ABCDEFGHJKLMNPRSTUVWXYZabcdefghj";
}  // namespace

KS808ConnectorDesign g_KS808ConnectorDesign;

KS808ConnectorDesign::KS808ConnectorDesign() {
  for (int k = 0; k < 32; ++k) {
    m_pins[0][1 + k] = kPinLetters[k];
    m_pins[1][33 + k] = kPinLetters[k];
  }
  // Connector #3 carries 54-64 on pins A-L and 22-32 on pins M-Y.
  for (int k = 0; k < 11; ++k) {
    m_pins[2][54 + k] = kPinLetters[k];
    m_pins[2][22 + k] = kPinLetters[11 + k];
  }
}

KS808ConnectorDesign::~KS808ConnectorDesign() = default;

int KS808ConnectorDesign::GetPin(int connector, int relayAddress) const {
  if (connector < 0 || connector >= Connectors)
    return 0;
  auto it = m_pins[connector].find(relayAddress);
  return it == m_pins[connector].end() ? 0 : it->second;
}
