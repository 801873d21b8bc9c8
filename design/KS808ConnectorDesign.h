// Which pin of each of the KS808 selector's three cable connectors a relay
// address reaches.
#pragma once
#include "framework/Portable.h"

#include <map>

class KS808ConnectorDesign {
 public:
  enum { Connectors = 3 };

  KS808ConnectorDesign();
  virtual ~KS808ConnectorDesign();

  // The pin letter on connector 0-2, or 0 when the connector index is out
  // of range or the address has no pin there.
  int GetPin(int connector, int relayAddress) const;

 private:
  std::map<int, int> m_pins[Connectors];
};

// The one program-wide instance.
extern KS808ConnectorDesign g_KS808ConnectorDesign;
