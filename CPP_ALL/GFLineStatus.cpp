#include "CPP_ALL/GFLineStatus.h"

#include "CPP_ALL/GFComLink.h"

const int GFLineStatus::kFieldLines[16] = {
    GF_LINE_DTR,  GF_LINE_RTS,  GF_LINE_BREAK, GF_LINE_DSR,        GF_LINE_CTS,    GF_LINE_RI,
    GF_LINE_CD,   GF_LINE_DCD,  GF_LINE_DRI,   GF_LINE_DDSR,       GF_LINE_DCTS,   GF_LINE_BREAK_SEEN,
    GF_LINE_PARITY, GF_LINE_FRAMING, GF_LINE_OVERFLOW, GF_LINE_OVERRUN,
};

GFLineStatus::GFLineStatus(GFComLink* port) : m_port(port) {
  if (m_port) m_port->GetFlowControl(m_initialIn, m_initialOut);
  m_in = m_initialIn;
  m_out = m_initialOut;
}

GFLineStatus::~GFLineStatus() {
  if (m_port) m_port->SetFlowControl(m_initialIn, m_initialOut);
}

int GFLineStatus::SetFlowControl(int inMode, int outMode) {
  if (!m_port) return GF_GENERAL;
  int rc = m_port->SetFlowControl(inMode, outMode);
  if (rc == 0) {
    m_in = inMode;
    m_out = outMode;
  }
  return rc;
}

int GFLineStatus::Refresh() {
  if (!m_port) return GF_GENERAL;
  return m_port->GetStatusSnapshot(m_packed);
}

int GFLineStatus::Field(int line) const {
  for (int i = 0; i < 16; ++i)
    if (kFieldLines[i] == line) return int((m_packed >> (2 * i)) & 3);
  return 0;
}
