// The frame layer of GFZmodem: finding, decoding and checking headers and
// data subpackets, and encoding and sending them.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/GFZmodem.h"

namespace {
constexpr int kCanFollowTimeout = 120;
constexpr uint32_t kHexTrailerWait = 55;
constexpr long kHexTrailerBytes = 3;
constexpr uint32_t kCrc32Residue = 0xDEBB20E3u;
// Plain bytes that stand in for the check of a cut subpacket.
constexpr uint8_t kCutFiller = 'x';

bool MustEscape(uint8_t b) {
  switch (b) {
    case 0x0D: case 0x10: case 0x11: case 0x13: case 0x18:
    case 0x8D: case 0x90: case 0x91: case 0x93:
      return true;
    default:
      return false;
  }
}

bool IsFlowChar(int c) { return c == 0x11 || c == 0x13 || c == 0x91 || c == 0x93; }

int HexValue(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

void GFZmodem::Position(long pos, uint8_t data[4]) {
  auto p = uint32_t(pos);
  data[0] = uint8_t(p);
  data[1] = uint8_t(p >> 8);
  data[2] = uint8_t(p >> 16);
  data[3] = uint8_t(p >> 24);
}

long GFZmodem::HeaderPosition() const {
  return long(uint32_t(m_header[0]) | uint32_t(m_header[1]) << 8 | uint32_t(m_header[2]) << 16 |
              uint32_t(m_header[3]) << 24);
}

int GFZmodem::GetChar(int timeout) {
  if (m_inHead < m_inTail) return m_in[m_inHead++];
  m_inHead = m_inTail = 0;
  if (!m_readAhead) return m_stream->ReadChar(timeout);
  // Whatever has arrived is taken in one read.
  int n = m_stream->ReadSome(m_in, int(sizeof m_in), timeout);
  if (n < 0) return n;
  m_inHead = 1;
  m_inTail = n;
  return m_in[0];
}

void GFZmodem::Unget(int c) {
  if (m_inHead > 0) {
    m_in[--m_inHead] = uint8_t(c);
    return;
  }
  // It came straight from the stream, so the buffer is empty.
  m_in[0] = uint8_t(c);
  m_inHead = 0;
  m_inTail = 1;
}

int GFZmodem::Waiting() { return m_inHead < m_inTail ? m_inTail - m_inHead : m_stream->InputCount(); }

void GFZmodem::DropInput() {
  m_inHead = m_inTail = 0;
  m_stream->Purge(0);
}

bool GFZmodem::CountRetry(int limitCode) {
  ++m_monitor->errorCount;
  ++m_monitor->retryCount;
  if (m_monitor->retryCount < m_retryLimit) return false;
  Fail(limitCode);
  return true;
}

void GFZmodem::HeardPeer() { m_lastHeard = GFTickCount(); }

bool GFZmodem::SilenceLimitPassed() {
  if (m_monitor->result < 0) return true;
  if (!m_watchSilence || !GFElapsed(m_lastHeard, m_silenceLimit)) return false;
  Message("Nothing valid from the far end for %u s", unsigned(m_silenceLimit / 1000));
  Fail(GF_TRANSFER_TIMEOUT);
  Finish();
  return true;
}

int GFZmodem::ReadFrameHeader(bool once) {
  m_garbage = 0;
  m_damagedHeader = false;
  for (;;) {
    int type = GetPad();
    if (type == 0) {
      type = GetHeaderType();
    } else if (m_monitor->result < 0) {
      return m_monitor->result;
    }
    int frame;
    switch (type) {
      case ZBIN:
        m_monitor->checkType = GF_CHECK_CRC16;
        frame = ReadBinaryHeaderData(false);
        break;
      case ZHEX:
        frame = ReadHexFrameHeaderData();
        break;
      case ZBIN32:
        m_monitor->checkType = GF_CHECK_CRC32;
        frame = ReadBinaryHeaderData(true);
        break;
      case 0:
        if (m_garbage < kGarbageLimit) continue;
        Message("GetPad: Exceeded garbage count");
        frame = GF_XFER_GENERAL;
        break;
      default:
        if (type >= 0) {
          if (std::isprint(type)) Message("ReadFrameHeader: Header Type %c", type);
          else Message("ReadFrameHeader: Header Type <%d>", type);
          frame = GF_XFER_GENERAL;
        } else {
          Message("ReadFrameHeader: Header Type <%d>", type);
          frame = type;
        }
        break;
    }
    if (frame >= 0) {
      m_headerFormat = type;
      HeardPeer();
      return frame;
    }
    Message("ReadFrameHeader: Frame type %d", frame);
    m_damagedHeader = frame != GF_TIMEOUT && (type == ZBIN || type == ZHEX || type == ZBIN32);
    if (m_monitor->result < 0 || SilenceLimitPassed()) return m_monitor->result;
    // A silent line counts like a damaged one, or a cut line would keep a
    // transfer waiting until someone aborts it. The data phase counts its
    // position requests instead.
    if (m_countHeaderErrors && CountRetry(GF_TOO_MANY_ERRORS)) return m_monitor->result;
    if (once) return frame;
    m_garbage = 0;  // the search starts over
  }
}

int GFZmodem::GetPad() {
  m_canCount = 0;
  int timeouts = 0;
  while (m_garbage < kGarbageLimit) {
    if (!Waiting() && CheckAbort()) return m_monitor->result;
    int c = GetChar(m_padWait);
    if (c == GF_TIMEOUT) {
      if (SilenceLimitPassed()) return m_monitor->result;
      // On a slow line our own output may still be leaving: the far end
      // has not had it yet.
      if (AnswerPending()) continue;
      if (++timeouts >= m_padTimeouts) {
        Message("GetPad: timeout on ZPAD");
        return GF_TIMEOUT;
      }
      if (CheckAbort()) return m_monitor->result;
      continue;
    }
    if (c < 0) return c;
    while (c == ZDLE) {
      if (++m_canCount >= 5) {
        Fail(GF_REMOTE_CANCEL);
        Message("GetPad: Remote end sent 5-CAN");
        Finish();
        return GF_REMOTE_CANCEL;
      }
      if (CheckAbort()) return m_monitor->result;
      c = GetChar(kCanFollowTimeout);
    }
    if (c == ZPAD) return 0;
    if (c == GF_TIMEOUT) continue;
    if (c < 0) return c;
    ++m_garbage;
    m_canCount = 0;
    timeouts = 0;
    if (m_garbage % 512 == 0) Message("GetPad: incoming garbage");
    if (m_garbage % 256 == 0 && CheckAbort()) return m_monitor->result;
  }
  Message("GetPad: Exceeded garbage count");
  return GF_XFER_GENERAL;
}

int GFZmodem::ReadHeaderChar() {
  for (;;) {
    if (!Waiting() && CheckAbort()) return m_monitor->result;
    int c = GetChar(m_charWait);
    if (c < 0) return c;
    c &= 0x7F;
    if (c != XON && c != XOFF) return c;
  }
}

int GFZmodem::GetHeaderType() {
  int c;
  do {
    c = ReadHeaderChar();
  } while (c == ZPAD);
  if (c >= 0 && c != ZDLE) {
    ++m_garbage;
    return 0;
  }
  if (c >= 0) c = ReadHeaderChar();
  if (c < 0) Message("GetHeaderType: error char %d", c);
  return c;
}

int GFZmodem::ReadHexFrameHeaderData() {
  m_hexClean = false;
  uint8_t v[7];
  for (uint8_t& value : v) {
    int hi = ReadHeaderChar();
    if (hi < 0) return hi;
    int lo = ReadHeaderChar();
    if (lo < 0) return lo;
    if (HexValue(hi) < 0 || HexValue(lo) < 0) return GF_XFER_GENERAL;
    value = uint8_t(HexValue(hi) << 4 | HexValue(lo));
  }
  if (m_crc16.Compute(v, 7, 0) != 0) {
    Message("ReadHexFrameHeaderData: bad CRC-16");
    return GF_XFER_GENERAL;
  }
  std::memcpy(m_header, v + 1, 4);
  // The trailer (CR LF, perhaps XON) follows at once; wait briefly for it,
  // and for its time on a slow line.
  uint32_t start = GFTickCount();
  uint32_t wait = kHexTrailerWait + m_clock.TimeFor(kHexTrailerBytes);
  for (int i = 0; i < 5;) {
    if (!Waiting()) {
      if (GFElapsed(start, wait)) break;
      if (m_stream->Pause(GF_WAIT_INPUT, start, int(wait)) < 0) break;
      continue;
    }
    int c = GetChar(0);
    if (c < 0) break;
    ++i;
    c &= 0x7F;
    if (c == '\n') {
      m_hexClean = true;
      break;
    }
    if (c != '\r' && c != XON) return GF_XFER_GENERAL;
  }
  return v[0];
}

int GFZmodem::ReadBinaryHeaderData(bool crc32) {
  m_hexClean = false;
  uint8_t v[5];
  for (uint8_t& value : v) {
    int c = ReadByte();
    if (c < 0) return c;
    if (c > 0xFF) return GF_XFER_GENERAL;
    value = uint8_t(c);
  }
  int rc = crc32 ? CheckCrc32Trailer(m_crc32.Compute(v, 5, 0xFFFFFFFFu), "ReadBinaryHeaderData")
                 : CheckCrc16Trailer(uint16_t(m_crc16.Compute(v, 5, 0)), "ReadBinaryHeaderData");
  if (rc < 0) return rc;
  std::memcpy(m_header, v + 1, 4);
  return v[0];
}

int GFZmodem::ReadByte() {
  m_canCount = 0;
  // Reading ahead, our own buffer running dry is the moment to look for an
  // abort: asking the port as well would cost a system call every time.
  bool dry = m_readAhead ? m_inHead == m_inTail : !Waiting();
  if (dry && CheckAbort()) return m_monitor->result;
  int c;
  do {
    c = GetChar(m_charWait);
    if (c < 0 || c == GF_TIMEOUT) return c;
  } while (IsFlowChar(c));  // unescaped XON/XOFF are line noise
  if (c != ZDLE) return c;
  m_canCount = 1;
  for (;;) {
    c = GetChar(m_charWait);
    if (c < 0) return c;
    if (c == ZDLE) {
      if (++m_canCount >= 5) {
        Fail(GF_REMOTE_CANCEL);
        Message("ReadByte: Remote end sent 5-CAN");
        return GF_REMOTE_CANCEL;
      }
      continue;
    }
    if (IsFlowChar(c)) continue;
    break;
  }
  switch (c) {
    case ZCRCE: case ZCRCG: case ZCRCQ: case ZCRCW:
      return 256 + c;
    case ZRUB0:
      return 0x7F;
    case ZRUB1:
      return 0xFF;
    default:
      // Only escaped control codes are valid after ZDLE; anything else is
      // a damaged stream, not data.
      if ((c & 0x60) == 0x40) return c ^ 0x40;
      Message("ReadByte: bad escape %d", c);
      return GF_XFER_GENERAL;
  }
}

// Most data bytes need no decoding: they go from the read-ahead buffer to
// the subpacket in one pass, up to the next escape or flow character.
int GFZmodem::TakePlainBytes(int n) {
  int room = kDataSize - n;
  int start = m_inHead;
  while (m_inHead < m_inTail && m_inHead - start < room) {
    uint8_t b = m_in[m_inHead];
    if (b == ZDLE || IsFlowChar(b)) break;
    m_data[size_t(n + m_inHead - start)] = b;
    ++m_inHead;
  }
  if (m_inHead > start) m_canCount = 0;
  return m_inHead - start;
}

int GFZmodem::ReadDataSubpacket() {
  int n = 0;
  int c;
  for (;;) {
    n += TakePlainBytes(n);
    m_monitor->subpacketBytes = n;
    c = ReadByte();
    if (c < 0) return c;
    if (c > 0xFF) break;
    if (n >= kDataSize) return GF_BUFFER_FULL;
    m_data[size_t(n++)] = uint8_t(c);
  }
  int end = c - 256;
  if (end < ZCRCE || end > ZCRCW) return GF_XFER_GENERAL;
  int rc = m_headerFormat == ZBIN32 ? ReadCrc32(end) : ReadCrc16(end);
  if (rc < 0) return rc;
  HeardPeer();
  return end;
}

int GFZmodem::ReadCrc16(int end) {
  uint16_t crc = uint16_t(m_crc16.Compute(m_data.data(), size_t(m_monitor->subpacketBytes), 0));
  return CheckCrc16Trailer(UpdateCrc16(uint8_t(end), crc), "ReadCrc16");
}

int GFZmodem::ReadCrc32(int end) {
  uint32_t crc = m_crc32.Compute(m_data.data(), size_t(m_monitor->subpacketBytes), 0xFFFFFFFFu);
  return CheckCrc32Trailer(UpdateCrc32(uint8_t(end), crc), "ReadCrc32");
}

// The CRC bytes that end a header or a subpacket, folded into the running
// CRC: a good frame leaves the CRC's residue. `caller` names it in the log.
int GFZmodem::CheckCrc16Trailer(uint16_t crc, const char* caller) {
  for (int i = 0; i < 2; ++i) {
    int c = ReadByte();
    if (c < 0) return c;
    if (c > 0xFF) return GF_XFER_GENERAL;
    crc = UpdateCrc16(uint8_t(c), crc);
  }
  if (crc != 0) {
    Message("%s: bad CRC-16", caller);
    return GF_XFER_GENERAL;
  }
  return 0;
}

int GFZmodem::CheckCrc32Trailer(uint32_t crc, const char* caller) {
  for (int i = 0; i < 4; ++i) {
    int c = ReadByte();
    if (c < 0) return c;
    if (c > 0xFF) return GF_XFER_GENERAL;
    crc = UpdateCrc32(uint8_t(c), crc);
  }
  if (crc != kCrc32Residue) {
    Message("%s: bad CRC-32", caller);
    return GF_XFER_GENERAL;
  }
  return 0;
}

void GFZmodem::PutEscaped(uint8_t byte) {
  if (MustEscape(byte)) {
    PutRaw(ZDLE);
    PutRaw(byte ^ 0x40);
  } else {
    PutRaw(byte);
  }
}

int GFZmodem::Write(const void* data, int n) {
  int rc = WriteBuffer(data, n);
  m_clock.Wrote(n, GFTickCount());
  return rc < 0 ? rc : 0;
}

int GFZmodem::Flush() {
  int n = m_outCount;
  m_outCount = 0;
  return Write(m_out, n);
}

void GFZmodem::PurgeOutput() {
  m_stream->PurgeOutput();
  m_clock.Purged(GFTickCount());
}

void GFZmodem::PaceFromPort() {
  long baud = 0;
  char parity = 'N';
  int dataBits = 8, stopBits = 1;
  m_stream->GetPort()->GetParameters(baud, parity, dataBits, stopBits);
  m_clock = GFLineClock();
  // A start bit, the data bits, parity and stop bits for each byte.
  int bits = 1 + dataBits + (parity == 'N' ? 0 : 1) + stopBits;
  if (baud > 0) m_clock.SetRate(baud / bits);
}

bool GFZmodem::AnswerPending() const {
  return GFLineClock::Ahead(m_clock.DrainedAt() + m_clock.TimeFor(kAnswerBytes), GFTickCount());
}

bool GFZmodem::Passed(uint32_t from, uint32_t wait) { return !GFLineClock::Ahead(from + wait, GFTickCount()); }

int GFZmodem::SendHexHeader(int type, const uint8_t data[4]) {
  static const char kHex[] = "0123456789abcdef";
  uint8_t v[5] = {uint8_t(type), data[0], data[1], data[2], data[3]};
  uint16_t crc = uint16_t(m_crc16.Compute(v, 5, 0));
  m_outCount = 0;
  PutRaw(ZPAD);
  PutRaw(ZPAD);
  PutRaw(ZDLE);
  PutRaw(ZHEX);
  for (uint8_t b : v) {
    PutRaw(uint8_t(kHex[b >> 4]));
    PutRaw(uint8_t(kHex[b & 15]));
  }
  for (int shift = 12; shift >= 0; shift -= 4) PutRaw(uint8_t(kHex[(crc >> shift) & 15]));
  PutRaw('\r');
  PutRaw('\n');
  if (type != ZFIN && type != ZACK) PutRaw(XON);
  return Flush();
}

int GFZmodem::SendBinaryHeader(int type, const uint8_t data[4], bool afterPurge) {
  uint8_t v[5] = {uint8_t(type), data[0], data[1], data[2], data[3]};
  m_outCount = 0;
  // A subpacket cut by the purge is ended (its check fails), or the
  // receiver would read this header as its data: an end and four bytes
  // taken for its check, whether it had an escape or a check under way.
  if (afterPurge && m_cutOutput) {
    PutRaw(ZDLE);
    PutRaw(ZCRCE);
    for (int i = 0; i < 4; ++i) PutRaw(kCutFiller);
  }
  m_cutOutput = false;
  // A purge can cut our output just after a ZDLE, which then takes the
  // next byte with it: let that be a spare pad, not the header's.
  if (afterPurge) PutRaw(ZPAD);
  PutRaw(ZPAD);
  PutRaw(ZDLE);
  if (m_peerFlags & CANFC32) {
    m_monitor->checkType = GF_CHECK_CRC32;
    PutRaw(ZBIN32);
    for (uint8_t b : v) PutEscaped(b);
    uint32_t crc = ~m_crc32.Compute(v, 5, 0xFFFFFFFFu);
    for (int i = 0; i < 4; ++i) PutEscaped(uint8_t(crc >> (8 * i)));
  } else {
    m_monitor->checkType = GF_CHECK_CRC16;
    PutRaw(ZBIN);
    for (uint8_t b : v) PutEscaped(b);
    uint16_t crc = uint16_t(m_crc16.Compute(v, 5, 0));
    PutEscaped(uint8_t(crc >> 8));
    PutEscaped(uint8_t(crc));
  }
  return Flush();
}

int GFZmodem::SendDataSubpacket(int length, int end) {
  m_outCount = 0;
  for (int i = 0; i < length; ++i) PutEscaped(m_data[size_t(i)]);
  PutRaw(ZDLE);
  PutRaw(uint8_t(end));
  if (m_peerFlags & CANFC32) {
    m_monitor->checkType = GF_CHECK_CRC32;
    uint32_t crc = m_crc32.Compute(m_data.data(), size_t(length), 0xFFFFFFFFu);
    crc = ~UpdateCrc32(uint8_t(end), crc);
    for (int i = 0; i < 4; ++i) PutEscaped(uint8_t(crc >> (8 * i)));
  } else {
    m_monitor->checkType = GF_CHECK_CRC16;
    uint16_t crc = uint16_t(m_crc16.Compute(m_data.data(), size_t(length), 0));
    crc = UpdateCrc16(uint8_t(end), crc);
    PutEscaped(uint8_t(crc >> 8));
    PutEscaped(uint8_t(crc));
  }
  if (end == ZCRCW) PutRaw(XON);
  m_monitor->subpacketBytes = length;
  if (!m_batching) return Flush();
  // Subpackets that ask for nothing go out with the next one that does:
  // fewer, larger writes.
  m_batch.insert(m_batch.end(), m_out, m_out + m_outCount);
  m_outCount = 0;
  return end == ZCRCG ? 0 : FlushBatch();
}

int GFZmodem::FlushBatch() {
  if (m_batch.empty()) return 0;
  int rc = Write(m_batch.data(), int(m_batch.size()));
  m_batch.clear();
  return rc;
}

int GFZmodem::SendFilePosition(int type, long pos) {
  uint8_t data[4];
  Position(pos, data);
  return SendHexHeader(type, data);
}
