#include "CPP_ALL/GFLineStatus.h"

#include "CPP_ALL/GFComLink.h"
#include "CPP_ALL/GFPlatform.h"

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

int GFLineStatus::GetFlowControl(int& inMode, int& outMode) {
  if (!m_port) return GF_GENERAL;
  return m_port->GetFlowControl(inMode, outMode);
}

int GFLineStatus::SetDTR(int value) { return SetOutputLine(GF_LINE_DTR, value); }

int GFLineStatus::SetRTS(int value) { return SetOutputLine(GF_LINE_RTS, value); }

int GFLineStatus::SetBreak(int value) {
  if (!m_port) return GF_GENERAL;
  int rc = m_port->SetLine(GF_LINE_BREAK, value);
  StoreField(GF_LINE_BREAK, rc == 1 ? 1 : 0);
  return rc;
}

int GFLineStatus::SendBreak(int ms) {
  int rc = SetBreak(1);
  if (rc < 0) return rc;
  int idle = 0;
  for (uint32_t start = GFTickCount(); !GFElapsed(start, uint32_t(ms));) {
    idle = m_port->IdleHook();
    if (idle < 0) break;
    GFSleep(1);
  }
  rc = SetBreak(0);
  if (idle < 0) return idle;
  return rc < 0 ? rc : 0;
}

int GFLineStatus::SetOutputLine(int line, int value) {
  if (!m_port) return GF_GENERAL;
  int rc = m_port->SetLine(line, value);
  if (rc >= 0) StoreField(line, rc);
  return rc;
}

void GFLineStatus::StoreField(int line, int value) {
  for (int i = 0; i < 16; ++i) {
    if (kFieldLines[i] != line) continue;
    m_packed = (m_packed & ~(3u << (2 * i))) | (uint32_t(value & 3) << (2 * i));
    return;
  }
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
