#include "CPP_ALL/GFPortSettings.h"

#include "CPP_ALL/GFComLink.h"
#include "CPP_ALL/GFComStream.h"

GFPortSettings::~GFPortSettings() {
  if (!m_port) return;
  m_baud = m_oldBaud;
  m_parity = m_oldParity;
  m_dataBits = m_oldDataBits;
  m_stopBits = m_oldStopBits;
  Apply();
}

int GFPortSettings::Attach(GFComStream& stream) {
  m_port = stream.GetPort();
  if (!m_port) return GF_GENERAL;
  m_port->GetParameters(m_oldBaud, m_oldParity, m_oldDataBits, m_oldStopBits);
  return Apply();
}

int GFPortSettings::Apply() {
  if (!m_port) return GF_GENERAL;
  return m_port->SetParameters(m_baud, m_parity, m_dataBits, m_stopBits) == 0 ? 0 : GF_GENERAL;
}

int GFPortSettings::SetAll(long baud, char parity, int dataBits, int stopBits) {
  m_baud = baud;
  m_parity = parity;
  m_dataBits = dataBits;
  m_stopBits = stopBits;
  return Apply();
}

namespace {
// Stores a value and applies it; a value the port refuses is put back.
template <typename T>
int StoreAndApply(GFPortSettings& settings, T& field, T value) {
  T old = field;
  field = value;
  int rc = settings.Apply();
  if (rc != 0) field = old;
  return rc;
}
}  // namespace

int GFPortSettings::SetBaudRate(long baud) { return StoreAndApply(*this, m_baud, baud); }
int GFPortSettings::SetParity(char parity) { return StoreAndApply(*this, m_parity, parity) == 0 ? 0 : -1; }
int GFPortSettings::SetDataBits(int dataBits) { return StoreAndApply(*this, m_dataBits, dataBits); }
int GFPortSettings::SetStopBits(int stopBits) { return StoreAndApply(*this, m_stopBits, stopBits); }
