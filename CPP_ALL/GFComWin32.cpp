#include <windows.h>

#include "CPP_ALL/GFComWin32.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "CPP_ALL/GFLineStatus.h"

namespace {
const char kParityLetters[] = "NOEMS";  // NOPARITY .. SPACEPARITY

int ParityIndex(char letter) {
  const char* p = std::strchr(kParityLetters, letter);
  return letter && p ? int(p - kParityLetters) : -1;
}
}  // namespace

GFComWin32::GFComWin32(int index, int inSize, int outSize, bool leaveClosed)
    : GFComLink(index), m_dcb(std::make_shared<DCB>()), m_inSize(uint16_t(inSize)), m_outSize(uint16_t(outSize)) {
  m_dcb->DCBlength = sizeof(DCB);
  MakeEvents();
  if (!leaveClosed) Open(index);
}

GFComWin32::GFComWin32(GFComWin32& open)
    : GFComLink(open.m_index),
      m_handle(open.m_handle),
      m_dcb(open.m_dcb),
      m_inSize(open.m_inSize),
      m_outSize(open.m_outSize),
      m_inMode(open.m_inMode),
      m_outMode(open.m_outMode),
      m_dtr(open.m_dtr),
      m_rts(open.m_rts),
      m_break(open.m_break),
      m_lineErrors(open.m_lineErrors),
      m_modemStatus(open.m_modemStatus) {
  MakeEvents();
  HoldOpenCount();
}

GFComWin32::~GFComWin32() {
  if (m_readPending) FinishPendingRead(INFINITE);
  // Only an object that counts in the open count may close the device: one
  // whose open failed never touches the port another object holds.
  if (HoldsOpenCount() && GetOpenCount(m_index) == 1 && IsOpen()) Close();
  if (m_writeOv.hEvent) CloseHandle(m_writeOv.hEvent);
  if (m_readOv.hEvent) CloseHandle(m_readOv.hEvent);
}

void GFComWin32::MakeEvents() {
  m_writeOv.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  m_readOv.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!m_writeOv.hEvent || !m_readOv.hEvent) SetError(GF_NO_MEMORY);
}

int GFComWin32::MapSystemError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_NETPATH:
      return GF_OPEN_FAILED;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return GF_NO_MEMORY;
    case ERROR_OPERATION_ABORTED:
    case ERROR_SEM_TIMEOUT:
    case WAIT_TIMEOUT:
    case ERROR_TIMEOUT:
      return GF_TIMEOUT;
    default:
      return GF_GENERAL;
  }
}

int GFComWin32::MapLastError() { return MapSystemError(GetLastError()); }

int GFComWin32::IdleHook() {
  Sleep(0);
  return 0;
}

void GFComWin32::AccumulateErrors(COMSTAT* stat) {
  DWORD errors = 0;
  COMSTAT local{};
  if (IsOpen() && ClearCommError(m_handle, &errors, stat ? stat : &local)) m_lineErrors |= errors;
}

int GFComWin32::GetModemStatus() {
  AccumulateErrors();
  DWORD status = 0;
  if (IsOpen()) GetCommModemStatus(m_handle, &status);
  m_modemStatus = status & 0xFF;
  return int(m_modemStatus);
}

int GFComWin32::CreatePort() {
  if (!m_writeOv.hEvent || !m_readOv.hEvent) return SetError(GF_NO_MEMORY);
  char name[32];
  std::snprintf(name, sizeof name, "\\\\.\\COM%d", m_index + 1);
  m_handle = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                         nullptr);
  if (m_handle == INVALID_HANDLE_VALUE) return SetError(MapLastError());
  return 0;
}

int GFComWin32::Open(int index) {
  m_index = index;
  if (GetOpenCount(index) != 0) return SetError(GF_ALREADY_OPEN);
  if (CreatePort() != 0) return GetError();
  HoldOpenCount();
  SetupComm(m_handle, m_inSize, m_outSize);
  GetCommMask(m_handle, &m_initialMask);
  SetCommMask(m_handle, 0);

  DCB& dcb = *m_dcb;
  dcb.DCBlength = sizeof(DCB);
  GetCommState(m_handle, &dcb);
  dcb.BaudRate = 19200;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.fParity = FALSE;
  dcb.StopBits = ONESTOPBIT;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_DISABLE;
  dcb.fBinary = TRUE;
  dcb.fNull = FALSE;
  dcb.fInX = FALSE;
  dcb.fOutX = FALSE;
  dcb.EofChar = 0;
  dcb.EvtChar = 0;
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  dcb.XonLim = WORD(m_inSize / 4);
  dcb.XoffLim = 128;

  GetCommTimeouts(m_handle, &m_savedTimeouts);
  // A read returns at once with what has arrived.
  COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 0, 0};
  SetCommTimeouts(m_handle, &timeouts);

  if (!SetCommState(m_handle, &dcb)) return SetError(MapLastError());
  return 0;
}

int GFComWin32::Close() {
  if (!IsOpen()) return 0;
  if (m_readPending) FinishPendingRead(INFINITE);
  PurgeComm(m_handle, PURGE_TXCLEAR | PURGE_RXCLEAR);
  EscapeCommFunction(m_handle, CLRDTR);
  EscapeCommFunction(m_handle, CLRRTS);
  SetCommTimeouts(m_handle, &m_savedTimeouts);
  BOOL ok = CloseHandle(m_handle);
  m_handle = INVALID_HANDLE_VALUE;
  return ok ? 0 : SetError(GF_CLOSE_FAILED);
}

void GFComWin32::GetQueueStatus(GFQueueStatus& status) {
  COMSTAT stat{};
  AccumulateErrors(&stat);
  status.inValid = 1;
  status.inCount = int(stat.cbInQue) + (m_readTail - m_readHead);
  status.inSize = m_inSize;
  status.outValid = 1;
  status.outCount = int(stat.cbOutQue);
  status.outSize = m_outSize;
  status.flags = uint16_t((stat.fXoffSent ? 1 : 0) | (stat.fCtsHold || stat.fDsrHold || stat.fXoffHold ? 2 : 0));
}

int GFComWin32::ApplyState() {
  if (!IsOpen()) return SetError(GF_GENERAL);
  if (!SetCommState(m_handle, m_dcb.get())) return SetError(MapLastError());
  return 0;
}

int GFComWin32::SetBufferSizes(int inSize, int xoffLimit, int outSize) {
  if (!IsOpen()) return SetError(GF_GENERAL);
  PurgeComm(m_handle, PURGE_TXCLEAR | PURGE_RXCLEAR);
  if (inSize) m_inSize = uint16_t(inSize);
  if (outSize) m_outSize = uint16_t(outSize);
  m_dcb->XonLim = WORD(m_inSize / 4);
  if (xoffLimit) m_dcb->XoffLim = WORD(xoffLimit);
  SetupComm(m_handle, m_inSize, m_outSize);
  PurgeComm(m_handle, PURGE_TXCLEAR | PURGE_RXCLEAR);
  return ApplyState();
}

int GFComWin32::SetFlowControl(int inMode, int outMode) {
  DCB& dcb = *m_dcb;
  dcb.fInX = FALSE;
  dcb.fOutX = FALSE;
  if (dcb.fRtsControl == RTS_CONTROL_HANDSHAKE) dcb.fRtsControl = RTS_CONTROL_ENABLE;
  if (dcb.fDtrControl == DTR_CONTROL_HANDSHAKE) dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  switch (inMode) {
    case GF_FLOW_NONE: break;
    case GF_FLOW_XONXOFF: dcb.fInX = TRUE; break;
    case GF_FLOW_DTR: dcb.fDtrControl = DTR_CONTROL_HANDSHAKE; break;
    case GF_FLOW_RTS: dcb.fRtsControl = RTS_CONTROL_HANDSHAKE; break;
    case GF_FLOW_DSR: return GF_NOT_SUPPORTED;
    default:
      SetError(GF_BAD_INPUT_FLOW);
      return GF_GENERAL;
  }
  switch (outMode) {
    case GF_FLOW_NONE: break;
    case GF_FLOW_XONXOFF: dcb.fOutX = TRUE; break;
    case GF_FLOW_CTS: dcb.fOutxCtsFlow = TRUE; break;
    case GF_FLOW_DSR: dcb.fOutxDsrFlow = TRUE; break;
    case GF_FLOW_DCD: return GF_NOT_SUPPORTED;
    default: return SetError(GF_BAD_OUTPUT_FLOW);
  }
  int rc = ApplyState();
  if (rc == 0) {
    m_inMode = inMode;
    m_outMode = outMode;
  }
  return rc;
}

int GFComWin32::GetFlowControl(int& inMode, int& outMode) {
  inMode = m_inMode;
  outMode = m_outMode;
  return 0;
}

int GFComWin32::SetBreak(int state) {
  if (state < 0) return m_break;
  BOOL ok = IsOpen() && (state == 1 ? SetCommBreak(m_handle) : ClearCommBreak(m_handle));
  if (!ok) return SetError(GF_BREAK_FAILED);
  m_break = state == 1 ? 1 : 0;
  return m_break;
}

int GFComWin32::LineValue(int line) const {
  switch (line) {
    case GF_LINE_DTR: return m_dtr;
    case GF_LINE_RTS: return m_rts;
    case GF_LINE_BREAK: return m_break;
    case GF_LINE_CTS: return (m_modemStatus & MS_CTS_ON) ? 1 : 0;
    case GF_LINE_DSR: return (m_modemStatus & MS_DSR_ON) ? 1 : 0;
    case GF_LINE_RI: return (m_modemStatus & MS_RING_ON) ? 1 : 0;
    case GF_LINE_CD: return (m_modemStatus & MS_RLSD_ON) ? 1 : 0;
    case GF_LINE_DDSR: case GF_LINE_DCTS: case GF_LINE_DRI: case GF_LINE_DCD: return 0;
    case GF_LINE_OVERRUN: return (m_lineErrors & CE_OVERRUN) ? 1 : 0;
    case GF_LINE_PARITY: return (m_lineErrors & CE_RXPARITY) ? 1 : 0;
    case GF_LINE_FRAMING: return (m_lineErrors & CE_FRAME) ? 1 : 0;
    case GF_LINE_BREAK_SEEN: return (m_lineErrors & CE_BREAK) ? 1 : 0;
    case GF_LINE_OVERFLOW: return (m_lineErrors & CE_RXOVER) ? 1 : 0;
    default: return 2;
  }
}

int GFComWin32::SetLine(int line, int value) {
  if (line == GF_LINE_BREAK) return SetBreak(value);
  if (value != -1 && (line == GF_LINE_DTR || line == GF_LINE_RTS)) {
    bool up = value != 0;
    if (line == GF_LINE_DTR) {
      if (IsOpen()) EscapeCommFunction(m_handle, up ? SETDTR : CLRDTR);
      m_dtr = up ? 1 : 0;
      m_dcb->fDtrControl = up ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
    } else {
      if (IsOpen()) EscapeCommFunction(m_handle, up ? SETRTS : CLRRTS);
      m_rts = up ? 1 : 0;
      m_dcb->fRtsControl = up ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
    }
  }
  return LineValue(line);
}

int GFComWin32::SetParameters(long baud, char parity, int dataBits, int stopBits) {
  int p = ParityIndex(parity);
  if (p < 0) return SetError(GF_BAD_PARITY);
  DCB& dcb = *m_dcb;
  dcb.BaudRate = DWORD(baud);
  if (dataBits < 4 || dataBits > 8) return SetError(GF_BAD_DATA_BITS);
  if (stopBits != 1 && stopBits != 2) return SetError(GF_BAD_STOP_BITS);
  dcb.Parity = BYTE(p);
  dcb.fParity = p != NOPARITY;
  dcb.ByteSize = BYTE(dataBits);
  dcb.StopBits = dataBits == 5 ? ONE5STOPBITS : stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
  return ApplyState();
}

void GFComWin32::GetParameters(long& baud, char& parity, int& dataBits, int& stopBits) {
  const DCB& dcb = *m_dcb;
  baud = long(dcb.BaudRate);
  parity = dcb.Parity <= SPACEPARITY ? kParityLetters[dcb.Parity] : 'N';
  dataBits = dcb.ByteSize;
  stopBits = dcb.StopBits == TWOSTOPBITS ? 2 : 1;
}

int GFComWin32::GetStatusSnapshot(uint32_t& packed) {
  GetModemStatus();
  packed = 0;
  for (int i = 0; i < 16; ++i) packed |= uint32_t(LineValue(GFLineStatus::kFieldLines[i]) & 3) << (2 * i);
  m_lineErrors = 0;
  m_modemStatus = 0;
  return 0;
}

int GFComWin32::WriteChar(int c) {
  uint8_t b = uint8_t(c);
  return WriteBuffer(&b, 1) == 1 ? 0 : GetError();
}

int GFComWin32::WriteString(const char* text) { return WriteBuffer(text, int(std::strlen(text))); }

int GFComWin32::WriteBuffer(const void* data, int n) {
  if (!IsOpen()) return SetError(GF_GENERAL), 0;
  COMSTAT stat{};
  AccumulateErrors(&stat);
  int room = std::max(0, int(m_outSize) - int(stat.cbOutQue));
  DWORD count = DWORD(std::min(n, room));
  DWORD written = 0;
  bool timedOut = false;
  if (count > 0) {
    OVERLAPPED ov{};
    ov.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!WriteFile(m_handle, data, count, &written, &ov)) {
      if (GetLastError() == ERROR_IO_PENDING) {
        // Bounded: a held line (flow control, instrument off) must not hang
        // the program. The time the bytes need at the line speed, and more.
        DWORD baud = std::max<DWORD>(m_dcb->BaudRate, 300);
        DWORD limit = 1000 + DWORD(uint64_t(count) * 10000 / baud);
        if (WaitForSingleObject(ov.hEvent, limit) == WAIT_OBJECT_0) {
          GetOverlappedResult(m_handle, &ov, &written, FALSE);
        } else {
          CancelIoEx(m_handle, &ov);
          GetOverlappedResult(m_handle, &ov, &written, TRUE);
          timedOut = true;
        }
      } else {
        AccumulateErrors();
      }
    }
    if (ov.hEvent) CloseHandle(ov.hEvent);
  }
  if (int(written) < n) SetError(timedOut ? GF_TIMEOUT : GF_BUFFER_FULL);
  return int(written);
}

int GFComWin32::TransmitChar(int c) {
  return IsOpen() && TransmitCommChar(m_handle, char(c)) ? 0 : GF_GENERAL;
}

int GFComWin32::ReadChar() {
  uint8_t b;
  return ReadBuffer(&b, 1) == 1 ? int(b) : int(GF_TIMEOUT);
}

int GFComWin32::TakeBuffered(uint8_t* out, int n) {
  int take = std::min(n, m_readTail - m_readHead);
  std::memcpy(out, m_readBuffer + m_readHead, size_t(take));
  m_readHead += take;
  if (m_readHead == m_readTail) m_readHead = m_readTail = 0;
  return take;
}

void GFComWin32::FinishPendingRead(DWORD waitMs) {
  if (waitMs == INFINITE) CancelIoEx(m_handle, &m_readOv);
  if (WaitForSingleObject(m_readOv.hEvent, waitMs) != WAIT_OBJECT_0) return;
  DWORD got = 0;
  if (!GetOverlappedResult(m_handle, &m_readOv, &got, FALSE)) AccumulateErrors();
  m_readPending = false;
  m_readHead = 0;
  m_readTail = int(got);
}

int GFComWin32::ReadBuffer(void* buffer, int n) {
  auto* out = static_cast<uint8_t*>(buffer);
  int got = TakeBuffered(out, n);
  if (got == n || !IsOpen()) return got;
  if (!m_readPending) {
    COMSTAT stat{};
    AccumulateErrors(&stat);
    if (stat.cbInQue == 0) return got;
    // Read what is queued (up to our buffer) so that single-byte reads
    // do not each cost a system call.
    DWORD ask = std::min<DWORD>(stat.cbInQue, sizeof m_readBuffer);
    DWORD r = 0;
    ResetEvent(m_readOv.hEvent);
    if (ReadFile(m_handle, m_readBuffer, ask, &r, &m_readOv)) {
      m_readHead = 0;
      m_readTail = int(r);
      return got + TakeBuffered(out + got, n - got);
    }
    if (GetLastError() != ERROR_IO_PENDING) {
      AccumulateErrors();
      return got;
    }
    m_readPending = true;
  }
  FinishPendingRead(100);
  if (m_readPending) return got;
  return got + TakeBuffered(out + got, n - got);
}

int GFComWin32::Purge(int direction, int count) {
  if (!IsOpen()) return GF_GENERAL;
  if (direction) {
    PurgeComm(m_handle, PURGE_TXCLEAR);
    return 0;
  }
  if (count == 0) {
    PurgeComm(m_handle, PURGE_RXCLEAR);
    m_readHead = m_readTail = 0;
    return 0;
  }
  for (int i = 0; i < count; ++i)
    if (ReadChar() < 0) return 0;
  return GF_GENERAL;
}

void GFComWin32::DumpSettings(GFLineWriter writer) {
  const DCB& d = *m_dcb;
  char line[160];
  std::snprintf(line, sizeof line, "Port type: MS Win32  BaudRate: %-6u  ByteSize: %1d  Parity: %1d",
                unsigned(d.BaudRate), d.ByteSize, d.Parity);
  writer(line);
  std::snprintf(line, sizeof line, "StopBits: %1d  fBinary: %1d  fRtsControl: %1d", d.StopBits, int(d.fBinary),
                int(d.fRtsControl));
  writer(line);
  std::snprintf(line, sizeof line,
                "Parity: %1d  OutCtsFlow: %1d  OutDsrFlow: %1d  DtrControl: %1d  OutX: %1d  InX: %1d",
                int(d.fParity), int(d.fOutxCtsFlow), int(d.fOutxDsrFlow), int(d.fDtrControl), int(d.fOutX),
                int(d.fInX));
  writer(line);
  std::snprintf(line, sizeof line, "Null: %1d  XonChar: %02x  XoffChar: %02x", int(d.fNull), BYTE(d.XonChar),
                BYTE(d.XoffChar));
  writer(line);
  std::snprintf(line, sizeof line, "XonLim: %-5u XoffLim: %-5u EofChr: %02x  EvtChr: %02x", d.XonLim, d.XoffLim,
                BYTE(d.EofChar), BYTE(d.EvtChar));
  writer(line);
  GFQueueStatus q;
  GetQueueStatus(q);
  std::snprintf(line, sizeof line, "RX sz/ct: %5d/%-5d  TX sz/ct: %5d/%-5d  BLOCK SENT:%d  BLOCK RECEIVED:%d",
                q.inSize, q.inCount, q.outSize, q.outCount, q.flags & 1, (q.flags >> 1) & 1);
  writer(line);
}

void GFComWin32::WaitReady(int direction, int ms) {
  if (ms <= 0) return;
  if (direction == GF_WAIT_INPUT && m_readTail > m_readHead) return;
  if (direction == GF_WAIT_INPUT && m_readPending) {
    WaitForSingleObject(m_readOv.hEvent, DWORD(ms));
    return;
  }
  Sleep(1);
}

BOOL GFComWin32::SetEventChar(int c) {
  if (!IsOpen() || !GetCommState(m_handle, m_dcb.get())) return FALSE;
  m_dcb->EvtChar = char(c);
  return SetCommState(m_handle, m_dcb.get());
}

int GFComWin32::GetEventMask(DWORD& mask) {
  return IsOpen() && GetCommMask(m_handle, &mask) ? 0 : SetError(MapLastError());
}

int GFComWin32::SetEventMask(DWORD mask) {
  return IsOpen() && SetCommMask(m_handle, mask) ? 0 : SetError(MapLastError());
}

int GFComWin32::WaitEvent(DWORD& mask) {
  if (!IsOpen()) return SetError(GF_GENERAL);
  // The device is overlapped, so the wait needs an OVERLAPPED of its own.
  OVERLAPPED ov{};
  ov.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  int rc = 0;
  if (!WaitCommEvent(m_handle, &mask, &ov)) {
    DWORD unused = 0;
    if (GetLastError() != ERROR_IO_PENDING || !GetOverlappedResult(m_handle, &ov, &unused, TRUE))
      rc = SetError(MapLastError());
  }
  CloseHandle(ov.hEvent);
  return rc;
}

int GFComWin32::TestModemLine(int bit) {
  if (bit == 1) return m_dtr;
  if (bit == 2) return m_rts;
  DWORD status = 0;
  if (IsOpen()) GetCommModemStatus(m_handle, &status);
  return (status & DWORD(bit)) ? 1 : 0;
}
