#include "CPP_ALL/GFComStream.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "CPP_ALL/GFPlatform.h"

namespace {
// Longest single block between two polls; short enough that idle hooks
// (which keep windows alive) still run often.
constexpr int kPollSliceMs = 10;
}  // namespace

GFComStream::GFComStream(GFComLink* port) : m_port(port) {
  if (m_port->GetError() != 0) return;
  m_settings = std::make_unique<GFPortSettings>();
  m_settings->Attach(*this);
  m_settings->SetAll(9600, 'N', 8, 1);
  m_lineStatus = std::make_unique<GFLineStatus>(m_port);
  m_port->SetFlowControl(0, 0);
}

GFComStream::~GFComStream() {
  m_lineStatus.reset();
  m_settings.reset();
}

int GFComStream::Pause(int direction, uint32_t start, int timeout) {
  int idle = m_port->IdleHook();
  if (idle < 0) return idle;
  int left = timeout - int(GFTickCount() - start);
  if (left > 0) m_port->WaitReady(direction, std::min(left, kPollSliceMs));
  return idle;
}

template <class Take>
int GFComStream::AwaitInput(int timeout, Take take) {
  int got = take();
  if (got >= 0) return got;
  uint32_t start = GFTickCount();
  while (got < 0) {
    if (GFElapsed(start, uint32_t(timeout))) return GF_TIMEOUT;
    int idle = Pause(GF_WAIT_INPUT, start, timeout);
    if (idle < 0) return idle;
    got = take();
  }
  return got;
}

int GFComStream::ReadChar(int timeout) {
  return AwaitInput(timeout, [this] { return m_port->ReadChar(); });
}

int GFComStream::ReadSome(void* buffer, int n, int timeout) {
  return AwaitInput(timeout, [&] {
    int got = m_port->ReadBuffer(buffer, n);
    return got > 0 ? got : -1;
  });
}

int GFComStream::WriteChar(int c) {
  int rc = m_port->WriteChar(c);
  if (m_charDelay <= 0) return rc;
  uint32_t start = GFTickCount();
  int idle = 0;
  while (!GFElapsed(start, uint32_t(m_charDelay))) {
    idle = m_port->IdleHook();
    if (idle < 0) return idle;
    GFSleep(1);
  }
  return idle;
}

int GFComStream::ReadLine(char* buffer, int max, int endChar, int timeout) {
  int count = 0;
  uint32_t start = GFTickCount();
  while (count < max) {
    int c = ReadChar(0);
    if (c >= 0) {
      buffer[count++] = char(c);
      if (c == endChar) break;
      continue;
    }
    if (GFElapsed(start, uint32_t(timeout))) break;
    int idle = Pause(GF_WAIT_INPUT, start, timeout);
    if (idle < 0) {
      buffer[count] = 0;
      return idle;
    }
  }
  buffer[count] = 0;
  return count;
}

int GFComStream::ReadBuffer(void* buffer, int n, int timeout) {
  if (!buffer) return 0;
  auto* p = static_cast<char*>(buffer);
  uint32_t start = GFTickCount();
  int got = std::max(0, m_port->ReadBuffer(p, n));
  while (got < n) {
    if (GFElapsed(start, uint32_t(timeout))) break;
    int idle = Pause(GF_WAIT_INPUT, start, timeout);
    if (idle < 0) return idle;
    int r = m_port->ReadBuffer(p + got, n - got);
    if (r > 0) got += r;
  }
  p[got] = 0;
  return got;
}

int GFComStream::WriteString(const char* text, int terminator) {
  if (!text || terminator < -3 || terminator > 255) return 0;
  int length = int(std::strlen(text));
  int written = length ? m_port->WriteString(text) : 0;
  if (written < length) return std::max(written, 0);
  switch (terminator) {
    case -1:
      return written;
    case -2:
      return WriteChar('\n') == 0 ? written + 1 : written;
    case -3:
      if (WriteChar('\r') != 0) return written;
      return WriteChar('\n') == 0 ? written + 2 : written + 1;
    default:
      return WriteChar(terminator) == 0 ? written + 1 : written;
  }
}

int GFComStream::Printf(const char* format, ...) {
  char buffer[1024];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0) return GF_GENERAL;
  return WriteString(buffer, -1);
}

int GFComStream::WriteBuffer(const void* data, int n) {
  if (!data) return 0;
  return m_port->WriteBuffer(data, n);
}

int GFComStream::InputCount() {
  GFQueueStatus status;
  m_port->GetQueueStatus(status);
  return status.inCount;
}

int GFComStream::OutputCount() {
  GFQueueStatus status;
  m_port->GetQueueStatus(status);
  return status.outCount;
}

int GFComStream::GetLineFlags(uint16_t& flags) {
  flags = 0;
  int error = m_port->TakeError();
  if (error != 0) return error;
  if (!m_lineStatus) return GF_GENERAL;
  m_lineStatus->Refresh();
  if (m_lineStatus->Field(GF_LINE_PARITY)) flags |= 1;
  if (m_lineStatus->Field(GF_LINE_FRAMING)) flags |= 2;
  if (m_lineStatus->Field(GF_LINE_OVERFLOW)) flags |= 4;
  if (m_lineStatus->Field(GF_LINE_OVERRUN)) flags |= 8;
  if (m_lineStatus->Field(GF_LINE_BREAK_SEEN)) flags |= 16;
  return 0;
}

void GFComStream::DumpSettings(GFLineWriter writer) {
  static const char* const kModes[] = {"NONE", "XONXOFF", "DTR", "RTS", "CTS", "DSR", "RI", "DCD"};
  auto modeName = [](int mode) {
    switch (mode) {
      case GF_FLOW_XONXOFF: return kModes[1];
      case GF_FLOW_DTR: return kModes[2];
      case GF_FLOW_RTS: return kModes[3];
      case GF_FLOW_CTS: return kModes[4];
      case GF_FLOW_DSR: return kModes[5];
      case GF_FLOW_RI: return kModes[6];
      case GF_FLOW_DCD: return kModes[7];
      default: return kModes[0];
    }
  };
  char line[256];
  writer("");
  m_port->DumpSettings(writer);
  if (m_settings) {
    std::snprintf(line, sizeof line, "Old Port - Baud: %6ld    Parity: %c    Data: %d    Stop: %d    ",
                  m_settings->GetOldBaudRate(), m_settings->GetOldParity(), m_settings->GetOldDataBits(),
                  m_settings->GetOldStopBits());
    writer(line);
    std::snprintf(line, sizeof line, "New Port - Baud: %6ld    Parity: %c    Data: %d    Stop: %d    ",
                  m_settings->GetBaudRate(), m_settings->GetParity(), m_settings->GetDataBits(),
                  m_settings->GetStopBits());
    writer(line);
  }
  if (!m_lineStatus) return;
  GFLineStatus& s = *m_lineStatus;
  s.Refresh();
  std::snprintf(line, sizeof line, "Old Flow IN: %7s  OUT: %7s   New Flow IN: %7s  OUT: %7s   ",
                modeName(s.GetInitialIn()), modeName(s.GetInitialOut()), modeName(s.GetIn()),
                modeName(s.GetOut()));
  writer(line);
  auto yn = [&](int l) { return s.Field(l) ? 'Y' : 'N'; };
  std::snprintf(line, sizeof line, "DTR: %c  RTS: %c  OE: %c  PE: %c  FE: %c  BD: %c  OV: %c  ", yn(GF_LINE_DTR),
                yn(GF_LINE_RTS), yn(GF_LINE_OVERRUN), yn(GF_LINE_PARITY), yn(GF_LINE_FRAMING),
                yn(GF_LINE_BREAK_SEEN), yn(GF_LINE_OVERFLOW));
  writer(line);
  std::snprintf(line, sizeof line, "DSR: %c  CTS: %c  RI: %c  CD: %c  DDSR: %c  DCTS: %c  DRI: %c  DCD: %c  ",
                yn(GF_LINE_DSR), yn(GF_LINE_CTS), yn(GF_LINE_RI), yn(GF_LINE_CD), yn(GF_LINE_DDSR),
                yn(GF_LINE_DCTS), yn(GF_LINE_DRI), yn(GF_LINE_DCD));
  writer(line);
}
