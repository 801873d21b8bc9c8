// ZMODEM sender and receiver: the order of frames in each direction, file
// information, resume and file management, and the retry limits.
#include "CPP_ALL/GFZmodem.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CPP_ALL/GFPlatform.h"

namespace {
// Read-ahead for the time of a data phase.
class ReadAhead {
 public:
  explicit ReadAhead(bool& flag) : m_flag(flag) { m_flag = true; }
  ~ReadAhead() { m_flag = false; }

 private:
  bool& m_flag;
};

// A setting changed for the time of a phase.
template <typename T>
class Scoped {
 public:
  Scoped(T& value, T now) : m_value(value), m_old(value) { m_value = now; }
  ~Scoped() { m_value = m_old; }

 private:
  T& m_value;
  T m_old;
};

// The sender goes back to the last acknowledged place after this many
// waits this long without an acknowledgement (with a full window or after
// a frame's end): the receiver's request or its acknowledgement was lost.
constexpr uint32_t kAckGap = 300;
constexpr int kAckGaps = 3;
// A frame sent after a purge goes back sooner: when its first subpacket's
// acknowledgement is twice as late as usual, though not before this.
constexpr uint32_t kLeastFirstAckWait = 50;
// One-second pad time-outs before a lost ZEOF or its answer is sent again,
// and the same for a lost file offer.
constexpr int kEofPadTimeouts = 2;
constexpr int kOfferPadTimeouts = 2;
constexpr int kBackChannelGarbage = 100;
constexpr int kBackChannelRead = 70;
constexpr int kBackChannelWait = 100;
// Subpacket sizes suit the line: each subpacket costs about six bytes of
// end and check, each damaged one its whole length sent again, so the size
// that loses least is near sqrt(6 x the good bytes between errors).
constexpr int kLeastBlock = 32;
constexpr int64_t kSubpacketCost = 6;
// Least time between two repeated position requests, and the bounds of
// the time the sender is given to answer one (twice its last answer).
constexpr uint32_t kRequestSpacing = 1000;
// Garbage the sender could still send after our request: a window and a
// subpacket, with room for its escapes.
constexpr long kStaleLimit = GFZmodem::kWindow + 2 * GFZmodem::kDataSize;
constexpr uint32_t kLeastAnswerWait = 100;
// Silence before the receiver asks again in the data phase: a lost request,
// acknowledgement or subpacket end leaves both sides waiting, and a sender
// that has fallen back to waiting for each subpacket loses this much every
// time. Never less than this, nor less than the sender's usual answer time.
constexpr uint32_t kLeastSilenceWait = 300;
// Within a subpacket a pause counts as an error, so a busy sender or machine
// is given longer there.
constexpr uint32_t kSubpacketSilenceWait = 1000;
// Received data is written to the file in pieces of about this size, not a
// system call for each subpacket.
constexpr size_t kWriteBatch = 16384;
// A line so damaged that a transfer would crawl ends with an error: when,
// over this long with errors in it, the data gained less than a tenth of
// what the line carries clean, the transfer would take over ten times its
// clean time.
constexpr uint32_t kProgressPeriod = 30000;
constexpr long kLeastProgressShare = 10;
const uint8_t kZero[4] = {0, 0, 0, 0};
}  // namespace

GFZmodem::GFZmodem(GFComStream* stream, GFMonitor* monitor) : GFTransfer(stream, monitor) {
  m_data.assign(kDataSize, 0);
  m_monitor->protocol = GFMonitor::kZmodem;
  m_monitor->checkType = GF_CHECK_CRC32;
}

GFZmodem::~GFZmodem() = default;

void GFZmodem::SetFileManagement(int option) {
  static const int kCodes[] = {0, ZMNEWL, ZMAPND, ZMCLOB, ZMDIFF, ZMPROT, ZMNEW};
  if (option >= 1 && option <= 6) m_fileManagement = kCodes[option];
}

void GFZmodem::SetReceiveFolder(const char* folder) {
  m_receiveFolder = folder ? folder : "";
  if (!m_receiveFolder.empty() && m_receiveFolder.back() != '/' && m_receiveFolder.back() != '\\')
    m_receiveFolder += '/';
}

std::string GFZmodem::FileInfo(const char* name, long size, long unixTime) {
  char tail[64];
  std::snprintf(tail, sizeof tail, "%ld %lo 0", size, static_cast<unsigned long>(unixTime));
  std::string info = name;
  info += '\0';
  info += tail;
  info += '\0';
  return info;
}

bool GFZmodem::SafeReceiveName(const char* offered, std::string& name) {
  std::string s = offered ? offered : "";
  size_t cut = s.find_last_of("/\\:");
  if (cut != std::string::npos) s.erase(0, cut + 1);
  if (s.empty() || s.size() > size_t(kMaxNameLength)) return false;
  // Windows drops trailing dots and blanks, which would turn "..." or
  // "NUL." into something else than what was checked.
  if (s.back() == '.' || s.back() == ' ') return false;
  for (unsigned char c : s)
    if (c < 0x20 || std::strchr("<>\"|?*", c)) return false;
  std::string base = s.substr(0, s.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base) c = char(std::toupper(static_cast<unsigned char>(c)));
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
  for (const char* device : kDevices)
    if (base == device) return false;
  if (base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
      base[3] >= '0' && base[3] <= '9')
    return false;
  name = s;
  return true;
}

// ---------------------------------------------------------------- sender

int GFZmodem::Send(const char* fileSpec) {
  m_monitor->Reset(1);
  m_finished = false;
  if (!PrepareEngine()) return m_monitor->result;
  int rc = m_engine->SetFileList(fileSpec, m_recurse);
  if (rc != 0) return rc;
  m_engine->SetQueryOnly(false);
  DropInput();
  PaceFromPort();
  Scoped<bool> watch(m_watchSilence, true);
  HeardPeer();
  m_cleanRun = 0;
  m_cleanFrom = 0;
  m_pendingHeader = kNoHeader;
  RunSender();
  return m_monitor->result;
}

void GFZmodem::RunSender() {
  m_monitor->fileName = "<none>";
  m_monitor->fileTime = -1;
  m_monitor->direction = 1;
  if (OpenLink() >= 0) {
    while (m_monitor->result >= 0 && PrepareFile()) SendFile();
    if (m_monitor->result >= 0) CloseLink();
  }
  Finish();
  if (m_monitor->result == 0 && m_monitor->fileCount == 0) Fail(GF_NO_FILES_SENT);
}

int GFZmodem::OpenLink() {
  SendHexHeader(ZRQINIT, kZero);
  for (;;) {
    int type = ReadFrameHeader(true);
    if (type == ZRINIT) {
      Message("OpenLink: Got ZRINIT");
      m_peerBufferSize = m_header[0] + 256 * m_header[1];
      m_peerFlags = m_header[3];
      if (!(m_peerFlags & CANFDX)) m_streaming = false;
      return 0;
    }
    if (m_monitor->result < 0) return m_monitor->result;
    if (type >= 0) {
      Message("OpenLink: got %d instead of ZRINIT", type);
      if (CountRetry(GF_TOO_MANY_RETRIES)) return m_monitor->result;
    }
    SendHexHeader(ZRQINIT, kZero);
  }
}

bool GFZmodem::PrepareFile() {
  if (!m_engine->NextFile()) return false;
  if (!OpenFile()) return false;
  m_engine->GetTime();
  long time = m_engine->ToUnixSeconds();
  const char* name = m_engine->GetName();
  if (m_stripPath) {
    name = StripPath(name);
    Message("Stripped filename: %s", name);
  }
  m_monitor->fileName = name;
  m_monitor->fileTime = time;
  m_info = FileInfo(name, m_monitor->fileSize, time);
  Message("SendFile: sending filename & size");
  return true;
}

int GFZmodem::SendFile() {
  if (m_peerFlags & CANFC32) Message("Sending with CRC-32");
  // A lost offer is made again after a short wait.
  Scoped<int> padTimeouts(m_padTimeouts, kOfferPadTimeouts);
  uint8_t data[4] = {0, 0, uint8_t(m_fileManagement), uint8_t(m_requestResume ? ZCRESUM : 0)};
  bool offer = true;
  for (;;) {
    if (offer) {
      std::memcpy(m_data.data(), m_info.data(), m_info.size());
      if (SendBinaryHeader(ZFILE, data) < 0 || SendDataSubpacket(int(m_info.size()), ZCRCW) < 0) break;
      offer = false;
    }
    int type = ReadFrameHeader(true);
    if (type == ZSKIP) {
      Message("SendFile: received a ZSKIP frame");
      m_engine->Close();
      m_fileOpen = false;
      return 0;
    }
    if (type == ZRPOS) {
      m_pos = HeaderPosition();
      return SendFileData();
    }
    if (m_monitor->result < 0) break;
    // A ZRINIT repeats the greeting (the receiver sends one by itself and
    // one for our ZRQINIT); a lost offer shows as silence.
    if (type == ZRINIT) continue;
    if (type >= 0) {
      Message("SendFile: read frame type %d", type);
      if (CountRetry(GF_TOO_MANY_ERRORS)) break;
    }
    // The offer or its answer was lost or damaged, or a ZNAK asks for it.
    offer = true;
  }
  return m_monitor->result;
}

int GFZmodem::SendFileData() {
  ReadAhead readAhead(m_readAhead);
  // A lost answer costs a short wait, not the header search's. Damaged
  // answers are counted by the go-backs they cause, not once more here.
  Scoped<int> padTimeouts(m_padTimeouts, 1);
  Scoped<bool> counting(m_countHeaderErrors, false);
  long size = m_monitor->fileSize;
  bool counted = false;
  m_lastReposition = -1;
  m_quickGoBacks = 0;
  WatchProgress(m_pos);
  for (;;) {
    if (m_engine->Seek(m_pos, 0) < 0) return Fail(GF_FILE_READ);
    m_lastAck = m_pos;
    m_monitor->bytesDone = m_pos;
    m_ackGaps = 0;
    // Data until the end of the file is acknowledged (an acknowledgement
    // of an earlier subpacket may come after the last one); a frame ends at
    // a header from the receiver other than an acknowledgement, which is
    // then taken here.
    while (m_pos < size || m_lastAck < size) {
      if (LineTooNoisy(m_lastAck)) return m_monitor->result;
      int type = kNoHeader;
      if (m_pos < size) {
        int sent = SendDataFrame();
        if (sent < 0) return m_monitor->result;
        type = m_pendingHeader;
        m_pendingHeader = kNoHeader;
        if (sent == kGoBack) {
          if (GoBack() < 0) return m_monitor->result;
          continue;
        }
      }
      if (type == kNoHeader) {
        int heard = AwaitReceiver();
        if (heard < 0) return m_monitor->result;
        type = heard == 0 ? ReadFrameHeader(true) : GF_TIMEOUT;
        // Acknowledgements that are already here are taken too, so that
        // the window reflects the latest one.
        while (type == ZACK && HeaderWaiting()) {
          TakeAck();
          type = ReadFrameHeader(true);
        }
        if (type < 0 && m_monitor->result >= 0) {
          // The receiver is silent after the frame's end, or its answer came
          // damaged and may have been a request: what it has not
          // acknowledged is sent again. A ZEOF would be ignored by a
          // receiver still short of the end, and one that waits out its
          // time-out at each header would wait for ever while we sent it
          // again.
          if (GoBack() < 0) return m_monitor->result;
          continue;
        }
      }
      switch (type) {
        case ZACK:
          Message("SendFile: received an ACK frame");
          TakeAck();
          break;
        case ZRPOS:
          if (Reposition() < 0) return m_monitor->result;
          break;
        case ZRINIT:
        case ZSKIP:
          return Fail(GF_REMOTE_CANCEL);
        default:
          if (m_monitor->result < 0) return m_monitor->result;
          break;
      }
    }
    if (!counted) {
      ++m_monitor->fileCount;
      counted = true;
    }
    // A short file is not done until the receiver says so: it may still
    // ask for data again with ZRPOS.
    uint8_t data[4];
    Position(m_pos, data);
    if (SendBinaryHeader(ZEOF, data) < 0) return m_monitor->result;
    // A lost ZEOF or answer is sent again after a short wait.
    Scoped<int> eofTimeouts(m_padTimeouts, kEofPadTimeouts);
    for (bool reposition = false; !reposition;) {
      int type = ReadFrameHeader(true);
      if (type == ZRINIT || type == ZSKIP) {
        m_engine->Close();
        m_fileOpen = false;
        return 0;
      }
      if (type == ZRPOS) {
        m_pos = HeaderPosition();
        Message("SendFileData: ZRPOS location %ld", m_pos);
        PurgeOutput();
        m_reposition = true;
        reposition = true;
        continue;
      }
      if (m_monitor->result < 0) return m_monitor->result;
      if (type == GF_TIMEOUT) {
        if (SendBinaryHeader(ZEOF, data) < 0) return m_monitor->result;
      } else if (type >= 0 && type != ZACK) {
        Message("SendFile: read frame type %d", type);
        if (CountRetry(GF_TOO_MANY_ERRORS)) return m_monitor->result;
      }
    }
  }
}

void GFZmodem::TakeAck() {
  long pos = HeaderPosition();
  m_monitor->retryCount = 0;
  if (pos <= m_lastAck || pos > m_pos) return;  // stale, or not ours
  m_lastAck = pos;
  m_ackGaps = 0;
  m_quickGoBacks = 0;
  uint32_t now = GFTickCount();
  while (!m_sentEnds.empty() && m_sentEnds.front().first <= pos) {
    if (m_sentEnds.front().first == pos) m_clock.Received(m_sentEnds.front().second, now);
    m_sentEnds.pop_front();
  }
  if (m_firstAsk >= 0 && pos >= m_firstAsk) {
    // The time beyond the subpacket's own time on the line.
    uint32_t took = GFLineClock::Ahead(m_firstAskLeaves, now) ? 0 : now - m_firstAskLeaves;
    m_firstAckTime = m_firstAckTime ? (3 * m_firstAckTime + took) / 4 : std::max(1u, took);
    m_firstAsk = -1;
  }
}

bool GFZmodem::FirstAckOverdue() const {
  if (m_firstAsk < 0 || !m_firstAckTime) return false;
  // Doubled at each go-back in a row, for a line that has gone quiet.
  uint32_t wait = std::max(kLeastFirstAckWait, 2 * m_firstAckTime) << std::min(m_quickGoBacks, 8);
  return wait < kAckGap * kAckGaps && Passed(m_firstAskLeaves, wait);
}

bool GFZmodem::EarlyRepeat() const {
  return HeaderPosition() == m_lastReposition && GFLineClock::Ahead(m_answerReaches, GFTickCount());
}

int GFZmodem::Reposition() {
  long oldPos = m_pos;
  m_pos = HeaderPosition();
  Message("SendFileData: ZRPOS location %ld", m_pos);
  if (EarlyRepeat()) {
    // The frame that answers it is on its way: going back would cut it.
    m_pos = oldPos;
    return 0;
  }
  if (m_engine->Seek(m_pos, 0) < 0) return Fail(GF_FILE_READ);
  // A request further on is progress too: the retries start over.
  if (m_pos > m_lastAck) m_monitor->retryCount = 0;
  // What the driver still holds was sent from the wrong place.
  PurgeOutput();
  m_reposition = true;
  m_lastAck = m_pos;
  m_ackGaps = 0;
  // The receiver is heard: the line has not gone quiet.
  m_quickGoBacks = 0;
  ++m_setbacks;
  m_monitor->bytesDone = m_pos;
  long run = std::max(0L, m_pos - m_cleanFrom);
  m_cleanRun = m_cleanRun ? (3 * m_cleanRun + run) / 4 : std::max(1L, run);
  m_lastReposition = m_pos;
  m_cleanFrom = m_pos;
  return 0;
}

int GFZmodem::BlockSize() const {
  if (!m_cleanRun) return kDataSize;  // no damage seen yet
  // A clean stretch longer than the usual one is the line getting better.
  int64_t run = std::max(m_cleanRun, m_lastAck - m_cleanFrom);
  int block = kLeastBlock;
  // The power of two nearest the best size.
  while (block < kDataSize && kSubpacketCost * run >= 2 * int64_t(block) * block) block *= 2;
  return block;
}

int GFZmodem::GoBack() {
  Message("SendFileData: no answer, sending again from %ld", m_lastAck);
  if (CountRetry(GF_TOO_MANY_RETRIES)) return m_monitor->result;
  ++m_setbacks;
  m_pos = m_lastAck;
  if (m_engine->Seek(m_pos, 0) < 0) return Fail(GF_FILE_READ);
  // What the driver still holds follows what was lost. While it was still
  // leaving, the purge may cut a subpacket the receiver is reading.
  m_cutOutput = GFLineClock::Ahead(m_clock.DrainedAt(), GFTickCount());
  PurgeOutput();
  m_reposition = true;
  m_ackGaps = 0;
  m_monitor->bytesDone = m_pos;
  return 0;
}

int GFZmodem::SendDataFrame() {
  uint8_t data[4];
  Position(m_pos, data);
  // After a purge nothing of ours is ahead of this frame on the line, so
  // its first acknowledgement comes about as soon as the last such one did.
  bool watchFirst = m_reposition;
  if (SendBinaryHeader(ZDATA, data, watchFirst) < 0) return m_monitor->result;
  // A request that comes before the header could have reached the receiver
  // and a request come back was sent before the receiver saw this frame.
  // (The latency is left out: a later request may already be about the
  // frame's first subpacket.)
  if (watchFirst) m_answerReaches = m_clock.DrainedAt() + m_clock.TimeFor(kAnswerBytes);
  m_reposition = false;
  m_sentEnds.clear();
  m_batch.clear();
  Scoped<bool> batching(m_batching, true);
  m_frameStart = GFTickCount();
  m_firstAsk = -1;
  long size = m_monitor->fileSize;
  long sinceHeader = 0;
  // The first subpacket asks for an acknowledgement at once, so that a lost
  // header shows soon; then every half window, which keeps it open.
  long askedAt = -kWindow;
  for (;;) {
    long room = BlockSize();
    if (m_peerBufferSize) room = std::min(room, m_peerBufferSize - sinceHeader);
    room = std::min(room, size - m_pos);
    int n = room > 0 ? m_engine->Read(m_data.data(), int(room)) : 0;
    if (n <= 0 && room > 0) {
      Message("SendDataFrame: file read error");
      return Fail(GF_FILE_READ);
    }
    long after = m_pos + n;
    sinceHeader += n;
    bool last = after >= size || (m_peerBufferSize && sinceHeader >= m_peerBufferSize);
    bool ask = after - askedAt >= kWindow / 2 || sinceHeader == n;
    int end = last ? ZCRCW : !m_streaming ? ZCRCG : ask ? ZCRCQ : ZCRCG;
    if (end == ZCRCQ) askedAt = after;
    if (sinceHeader == n && end != ZCRCG) m_firstAsk = watchFirst ? after : -1;
    if (SendDataSubpacket(n, end) < 0) return m_monitor->result;
    // Not yet written while it waits in the batch.
    long wireEnd = m_clock.Written() + long(m_batch.size());
    m_sentEnds.emplace_back(after, wireEnd);
    if (m_firstAsk == after) m_firstAskLeaves = m_clock.LeavesAt(wireEnd);
    m_pos = after;
    m_monitor->bytesDone = m_pos;
    ++m_monitor->subpackets;
    if (CheckAbort()) return m_monitor->result;
    if (end == ZCRCW) return 0;
    int stop = TakeBackChannel();
    if (stop < 0) return m_monitor->result;
    if (stop > 0) {
      if (SendDataSubpacket(0, ZCRCE) < 0) return m_monitor->result;
      return stop == kGoBack ? kGoBack : 0;
    }
  }
}

int GFZmodem::TakeBackChannel() {
  for (;;) {
    if (FirstAckOverdue()) {
      ++m_quickGoBacks;
      return kGoBack;
    }
    // A full window waits for the receiver's acknowledgement.
    bool full = m_streaming && m_pos - m_lastAck >= kWindow;
    if (full) {
      if (FlushBatch() < 0) return m_monitor->result;
      int heard = AwaitReceiver();
      if (heard < 0) return m_monitor->result;
      if (heard > 0) return kGoBack;
    }
    int back = BackChannel();
    if (back == kQuiet) {
      if (full) continue;
      return 0;
    }
    // Noise or a damaged header may have been a position request: what
    // follows the last acknowledgement is sent again.
    if (back == kNoise) return kGoBack;
    Message("BackChannel: backtalk ZCAN/ZPAD");
    if (FlushBatch() < 0) return m_monitor->result;
    int type;
    {
      // The rest of a header follows its pad at once: a stray pad or a
      // damaged header must not hold up the frame.
      Scoped<int> padWait(m_padWait, kBackChannelWait);
      Scoped<int> charWait(m_charWait, kBackChannelWait);
      Scoped<int> padTimeouts(m_padTimeouts, 1);
      type = ReadFrameHeader(true);
    }
    if (type == ZACK) {
      TakeAck();
      continue;
    }
    if (type == ZRPOS && EarlyRepeat()) continue;
    if (m_monitor->result < 0) return m_monitor->result;
    if (type < 0) return kGoBack;
    // Any other header ends the frame and is acted on.
    m_pendingHeader = type;
    return 1;
  }
}

int GFZmodem::AwaitReceiver() {
  uint32_t start = GFTickCount();
  while (!Waiting()) {
    if (CheckAbort() || SilenceLimitPassed()) return m_monitor->result;
    if (FirstAckOverdue()) {
      m_firstAsk = -1;
      ++m_quickGoBacks;
      return 1;
    }
    // The gaps count once what we sent has left and an answer had time to
    // come back.
    if (AnswerPending()) {
      start = GFTickCount();
    } else if (GFElapsed(start, kAckGap)) {
      if (++m_ackGaps >= kAckGaps) {
        m_ackGaps = 0;
        return 1;
      }
      start = GFTickCount();
    }
    // Short naps, so that an overdue first acknowledgement is seen soon.
    int idle = m_stream->Pause(GF_WAIT_INPUT, GFTickCount(), int(kLeastFirstAckWait / 5));
    if (idle < 0) return Fail(idle);
  }
  return 0;
}

bool GFZmodem::HeaderWaiting() {
  while (Waiting()) {
    int c = GetChar(0);
    if (c < 0) return false;
    if (c == ZPAD) {
      Unget(c);
      return true;
    }
    if (c != XON && c != XOFF && (c & 0x7F) != '\r' && (c & 0x7F) != '\n') {
      Unget(c);
      return false;
    }
  }
  return false;
}

int GFZmodem::BackChannel() {
  int garbage = 0;
  while (Waiting()) {
    int c = GetChar(kBackChannelRead);
    if (c < 0) break;
    if (c == XON || c == XOFF || c == (XON | 0x80) || c == (XOFF | 0x80)) continue;
    if (c == ZPAD || c == ZDLE) {
      Unget(c);  // the header search needs it
      return kHeader;
    }
    if (++garbage % 16 == 1) Message("BackChannel: garbage detected");
    if (garbage > kBackChannelGarbage) {
      Message("BackChannel: exceeded garbage count");
      return kNoise;
    }
  }
  return kQuiet;
}

void GFZmodem::CloseLink() {
  if (SendHexHeader(ZFIN, kZero) < 0) {
    Message("Error sending ZFIN frame");
    m_stream->WriteBuffer("OO", 2);
    return;
  }
  for (;;) {
    int type = ReadFrameHeader(true);
    if (type == ZRINIT || type == ZFERR) type = ReadFrameHeader(true);
    if (type == ZFIN) {
      m_stream->WriteBuffer("OO", 2);
      return;
    }
    if (m_monitor->result < 0) break;
    if (type >= 0) {
      Message("CloseLink: got %d instead of ZFIN", type);
      if (CountRetry(GF_TOO_MANY_RETRIES)) break;
    }
    if (SendHexHeader(ZFIN, kZero) < 0) break;
  }
  Message("Error sending ZFIN frame");
  m_stream->WriteBuffer("OO", 2);
}

// ---------------------------------------------------------------- file

GFZmodem::ReceiveAction GFZmodem::DecideReceiveAction(const ReceiveFacts& f) {
  using A = ReceiveAction;
  if (!f.exists) return A::kReplace;
  if (f.zf1 == ZMPROT) return A::kSkip;
  if (f.zf1 == ZMCLOB || (!f.resume && f.zf1 == 0)) return A::kReplace;
  bool newer = f.offeredTime != -1 && f.offeredTime > f.localTime;
  if (f.localSize > f.offeredSize) {
    if (f.zf1 == ZMNEWL || f.zf1 == ZMNEW) return newer ? A::kReplace : A::kSkip;
    return f.zf1 == ZMAPND ? A::kAppend : A::kReplace;
  }
  // An empty local file simply grows.
  if (f.localSize == 0) return A::kResume;
  if (f.resume) {
    if (f.localSize != f.offeredSize) return A::kResume;
    return f.offeredTime != -1 && f.offeredTime != f.localTime ? A::kSkipDated : A::kSkip;
  }
  switch (f.zf1) {
    case ZMAPND:  // the whole offered file goes after the local one
      return A::kAppend;
    case ZMDIFF:
      return f.localSize == f.offeredSize && f.offeredTime == f.localTime ? A::kSkip : A::kReplace;
    case ZMNEWL:
      return !newer && f.offeredSize <= f.localSize ? A::kSkip : A::kReplace;
    case ZMNEW:
      return newer ? A::kReplace : A::kSkip;
    default:
      return A::kReplace;
  }
}

bool GFZmodem::OpenFile() {
  m_monitor->bytesDone = 0;
  if (m_monitor->direction == 0) return OpenReceivedFile();
  if (m_engine->Open(m_engine->GetName(), "rb") != 0) {
    Message("Failed to open file");
    Fail(GF_FILE_OPEN);
    Finish();
    return false;
  }
  m_fileOpen = true;
  m_engine->ResetSize();
  m_monitor->fileSize = m_engine->GetSize();
  return !CheckAbort();
}

GFZmodem::ReceiveFacts GFZmodem::LocalFacts() {
  ReceiveFacts facts;
  facts.zf1 = m_zf1 & 0x1F;
  facts.resume = m_receiverResume || m_zf0 == ZCRESUM;
  facts.offeredSize = m_offeredSize;
  facts.offeredTime = m_offeredTime;
  facts.exists = m_engine->Exists(m_path.c_str());
  if (!facts.exists) return facts;
  m_engine->SetFileList(m_path.c_str(), 0);
  m_engine->SetQueryOnly(true);
  m_engine->NextFile();
  m_engine->SetQueryOnly(false);
  if (m_engine->GetTime() == 0) facts.localTime = m_engine->ToUnixSeconds();
  m_engine->ResetSize();
  facts.localSize = std::max(0L, m_engine->GetSize());
  return facts;
}

bool GFZmodem::OpenReceivedFile() {
  const char* path = m_path.c_str();
  Message("Opening file %s", path);
  ReceiveFacts facts = LocalFacts();
  ReceiveAction action = DecideReceiveAction(facts);
  if (action == ReceiveAction::kSkip || action == ReceiveAction::kSkipDated) {
    if (action == ReceiveAction::kSkipDated) {
      m_engine->FromUnixSeconds(m_offeredTime);
      m_engine->SetTime();
    }
    Fail(GF_FILE_SKIPPED);
    return false;
  }
  bool replace = action == ReceiveAction::kReplace;
  m_appendBase = action == ReceiveAction::kAppend ? facts.localSize : 0;
  m_rxPos = action == ReceiveAction::kResume ? facts.localSize : 0;
  if (!OpenReceiveTarget(replace)) {
    Message("Failed to open file");
    Fail(GF_FILE_OPEN);
    Finish();
    return false;
  }
  if (replace) Message("File Opened");
  if (m_appendBase) Message("Appending at offset %ld", m_appendBase);
  if (m_rxPos) Message("Resuming at offset %ld", m_rxPos);
  m_fileOpen = true;
  ++m_monitor->fileCount;
  m_monitor->bytesDone = m_rxPos;
  return !CheckAbort();
}

bool GFZmodem::OpenReceiveTarget(bool replace) {
  m_tempPath.clear();
  if (!replace) return m_engine->Open(m_path.c_str(), "ab") == 0;
  // The file it replaces stays until the new one is whole.
  for (int i = 0; i < 100; ++i) {
    std::string temp = m_path + "." + std::to_string(i) + ".part";
    if (m_engine->Open(temp.c_str(), "wx") == 0) {
      m_tempPath = temp;
      return true;
    }
    if (!m_engine->Exists(temp.c_str())) return false;
  }
  return false;
}

// ---------------------------------------------------------------- receiver

int GFZmodem::Receive(int) {
  m_monitor->Reset(0);
  m_finished = false;
  DropInput();
  PaceFromPort();
  Scoped<bool> watch(m_watchSilence, true);
  HeardPeer();
  RunReceiver();
  return m_monitor->result;
}

void GFZmodem::RunReceiver() {
  m_monitor->direction = 0;
  if (!PrepareEngine()) return;
  for (;;) {
    int rc = GetFileName();
    if (rc <= 0 || m_monitor->result < 0) break;
    if (!ParseFileInfo()) {
      Message("Refused file name %s", m_fileInfo.c_str());
      SendFilePosition(ZSKIP, 0);
      continue;
    }
    if (!OpenFile()) {
      if (m_monitor->result != GF_FILE_SKIPPED) break;
      Fail(0);
      SendFilePosition(ZSKIP, 0);
      continue;
    }
    if (ReadFileData() < 0 || m_monitor->result < 0) break;
    CloseReceivedFile();
    if (m_monitor->result < 0) break;
  }
  Finish();
}

int GFZmodem::GetFileName() {
  static const uint8_t kRinit[4] = {0, 0, 0, CANFDX | CANOVIO | CANBRK | CANFC32};
  Message("GetFileName: sending RINIT");
  SendHexHeader(ZRINIT, kRinit);
  for (;;) {
    int type = ReadFrameHeader(true);
    switch (type) {
      case ZSINIT:
        if (ReadDataSubpacket() >= 0) {
          Message("GetFileName: good ZSINIT");
          SendHexHeader(ZACK, kZero);
        } else {
          Message("GetFileName: ZSINIT + bad packet");
          if (CountRetry(GF_TOO_MANY_ERRORS)) return m_monitor->result;
        }
        break;
      case ZFILE: {
        m_zf0 = m_header[3];
        m_zf1 = m_header[2];
        if (ReadDataSubpacket() >= 0) {
          m_fileInfo.assign(reinterpret_cast<const char*>(m_data.data()), size_t(m_monitor->subpacketBytes));
          return 1;
        }
        if (m_monitor->result < 0) return m_monitor->result;
        if (CountRetry(GF_TOO_MANY_ERRORS)) return m_monitor->result;
        break;
      }
      case ZFIN:
        SendHexHeader(ZFIN, kZero);
        // The sender's "OO"; what follows it (the instrument's closing
        // reply) stays on the line.
        if (GetChar(2000) >= 0) GetChar(500);
        return 0;
      case ZRQINIT:
        // Only a header that did not end cleanly leaves a tail to wait for
        // and drop.
        if (!m_hexClean) {
          Delay(200);
          for (int i = 0; i < 20 && Waiting(); ++i)
            if (GetChar(0) == '\n') break;
        }
        break;
      default:
        if (m_monitor->result < 0) return m_monitor->result;
        if (type >= 0) {
          Message("GetFileName: frame_type=%d", type);
          if (CountRetry(GF_TOO_MANY_ERRORS)) return m_monitor->result;
        }
        break;
    }
    if (m_monitor->result < 0) return m_monitor->result;
    SendHexHeader(ZRINIT, kRinit);
  }
}

bool GFZmodem::ParseFileInfo() {
  const char* offered = m_fileInfo.c_str();  // ends at the name's NUL
  size_t nameEnd = std::strlen(offered);
  std::string name;
  if (!SafeReceiveName(offered, name)) return false;
  if (m_stripPath) Message("Stripped filename %s", name.c_str());
  m_path = m_receiveFolder + name;
  m_offeredSize = 0;
  m_offeredTime = -1;
  if (nameEnd + 1 < m_fileInfo.size()) {
    std::string rest = m_fileInfo.substr(nameEnd + 1);
    const char* p = rest.c_str();
    char* next = nullptr;
    m_offeredSize = std::strtol(p, &next, 10);
    if (next != p) {
      unsigned long t = std::strtoul(next, nullptr, 8);
      if (t != 0) m_offeredTime = long(t);
    }
    if (m_offeredSize < 0) m_offeredSize = 0;
  }
  m_monitor->fileName = name;
  m_monitor->fileSize = m_offeredSize;
  m_monitor->fileTime = m_offeredTime;
  return true;
}

void GFZmodem::EofPortCheckBefore() {
  if (!m_eofPortCheck) return;
  // The pause only serves ports that offer the extension.
  if (m_stream->QueryExtension() != GF_NOT_SUPPORTED) Delay(70);
}

void GFZmodem::EofPortCheckAfter() {
  if (m_eofPortCheck) m_stream->ControlExtension();
}

void GFZmodem::RequestPosition(bool force, bool count) {
  if (!force && !Passed(m_lastRequest, m_answerWait)) return;
  // One error per request, not one per burst of the data that was already
  // on its way when we asked.
  if (count && CountRetry(GF_TOO_MANY_ERRORS)) return;
  m_wrongHeaders = 0;
  m_staleBytes = 0;
  ++m_setbacks;
  SendFilePosition(ZRPOS, m_rxPos);
  NoteRequest();
}

void GFZmodem::WatchProgress(long pos) {
  m_watchFrom = GFTickCount();
  m_watchPos = pos;
  m_setbacks = 0;
}

bool GFZmodem::LineTooNoisy(long pos) {
  if (!GFElapsed(m_watchFrom, kProgressPeriod)) return false;
  long gained = pos - m_watchPos;
  bool damaged = m_setbacks > 0;
  WatchProgress(pos);
  long least = m_clock.Rate() * long(kProgressPeriod / 1000) / kLeastProgressShare;
  if (!damaged || gained >= least) return false;
  Message("The line is too noisy: %ld bytes in %u s", std::max(0L, gained), unsigned(kProgressPeriod / 1000));
  Fail(GF_TOO_MANY_ERRORS);
  return true;
}

void GFZmodem::NoteRequest() {
  // The answer can't come before the request has left and the answer's
  // header has come back, however slow the line.
  m_lastRequest = m_clock.DrainedAt() + m_clock.TimeFor(kAnswerBytes);
}

void GFZmodem::WrongPosition() {
  if (m_wrongHeaders < 0) m_wrongHeaders = 0;
  if (++m_wrongHeaders >= 2 || Passed(m_lastRequest, m_answerWait)) RequestPosition(true);
}

int GFZmodem::ReadFileData() {
  ReadAhead readAhead(m_readAhead);
  Scoped<bool> counting(m_countHeaderErrors, false);
  Scoped<int> padTimeouts(m_padTimeouts, 1);
  Scoped<int> padWait(m_padWait, m_padWait);
  Scoped<int> charWait(m_charWait, m_charWait);
  Message("ReadFileData: reading %s", m_monitor->fileName.c_str());
  m_wrongHeaders = 0;
  if (SendFilePosition(ZRPOS, m_rxPos) < 0) {
    Message("ReadFileData: Error sending ZRPOS");
    return m_monitor->result;
  }
  NoteRequest();
  WatchProgress(m_rxPos);
  for (;;) {
    if (m_monitor->result < 0 || CheckAbort() || LineTooNoisy(m_rxPos)) return m_monitor->result;
    m_padWait = int(std::max(kLeastSilenceWait, m_answerWait));
    m_charWait = int(std::max(kSubpacketSilenceWait, m_answerWait));
    int type = ReadFrameHeader(true);
    m_staleBytes += m_garbage;
    if (type < 0) {
      if (m_monitor->result < 0) {
        Message("ReadFileData: Fatal error on header");
        return m_monitor->result;
      }
      // Silence means the request or an acknowledgement was lost, and a
      // damaged header may have been the sender's answer. Garbage is data
      // that was already on its way when we asked, until there is more of
      // it than the sender could still have had in hand. The silent line
      // ends at the silence limit, not at the retry limit.
      if (type == GF_TIMEOUT)
        RequestPosition(true, false);
      else if (m_staleBytes > kStaleLimit)
        RequestPosition(true);
      else if (m_damagedHeader)
        RequestPosition(false);
      continue;
    }
    if (type == ZEOF) {
      if (HeaderPosition() == m_rxPos) return 0;
      Message("ZEOF at wrong position");
      WrongPosition();
      continue;
    }
    if (type == ZFILE) {
      // Our ZRPOS was lost and the sender offers the file again.
      ReadDataSubpacket();
      RequestPosition(true);
      continue;
    }
    if (type == ZNAK) {
      // The sender could not read our last header.
      RequestPosition(true);
      continue;
    }
    if (type != ZDATA) {
      Message("ReadFileData: frame_type=%d", type);
      continue;
    }
    if (HeaderPosition() != m_rxPos) {
      Message("ReadFileData: Mismatch in rx_pos");
      WrongPosition();
      continue;
    }
    if (m_wrongHeaders >= 0) {
      // The sender answered our request: that is how long a stale header
      // may still come after the next one.
      uint32_t now = GFTickCount();
      uint32_t took = GFLineClock::Ahead(m_lastRequest, now) ? 0 : now - m_lastRequest;
      m_answerWait = std::min(kRequestSpacing, std::max(kLeastAnswerWait, 2 * took));
      m_wrongHeaders = -1;
    }
    m_staleBytes = 0;
    if (ReadFrameData() < 0) return m_monitor->result;
  }
}

int GFZmodem::ReadFrameData() {
  EofPortCheckBefore();
  m_engine->Seek(m_appendBase + m_rxPos, 0);
  EofPortCheckAfter();
  Message("NEW BYTE COUNT: %lx", m_rxPos);
  int rc = ReadFrameSubpackets();
  // What the frame brought reaches the file whatever ended it: a resumed
  // file keeps every checked byte.
  if (!WriteReceived() && rc >= 0) return m_monitor->result;
  return rc;
}

int GFZmodem::ReadFrameSubpackets() {
  for (;;) {
    int end = ReadDataSubpacket();
    if (end < 0) {
      if (m_monitor->result < 0) return m_monitor->result;
      DropInput();
      Message("Sending a new file offset!!!");
      RequestPosition(true);
      return 0;
    }
    int n = int(m_monitor->subpacketBytes);
    Message("ReadFileData: read @%ld", m_rxPos);
    m_received.insert(m_received.end(), m_data.begin(), m_data.begin() + n);
    if (m_received.size() >= kWriteBatch && !WriteReceived()) return m_monitor->result;
    m_rxPos += n;
    m_monitor->bytesDone = m_rxPos;
    ++m_monitor->subpackets;
    if (n) m_monitor->retryCount = 0;  // progress: the retries start over
    if (end == ZCRCQ || end == ZCRCW) {
      Message("Sending a ZACK");
      SendFilePosition(ZACK, m_rxPos);
    }
    if (end == ZCRCE || end == ZCRCW) return 0;
  }
}

bool GFZmodem::WriteReceived() {
  if (m_received.empty()) return true;
  EofPortCheckBefore();
  int n = int(m_received.size());
  int written = m_engine->Write(m_received.data(), n);
  EofPortCheckAfter();
  m_received.clear();
  if (written == n) return true;
  Message("ReadFileData: file write error");
  if (m_monitor->result >= 0) Fail(GF_FILE_WRITE);
  return false;
}

void GFZmodem::CloseReceivedFile() {
  if (!m_fileOpen) return;
  // A file whose last data could not be written is not whole.
  if (!WriteReceived()) {
    CloseOpenFile();
    m_fileOpen = false;
    return;
  }
  if (m_offeredTime != -1) {
    m_engine->FromUnixSeconds(m_offeredTime);
    m_engine->SetTime();
  }
  m_engine->Close();
  m_fileOpen = false;
  if (m_tempPath.empty()) return;
  if (m_engine->Rename(m_tempPath.c_str(), m_path.c_str()) != 0) {
    Message("Could not rename %s", m_tempPath.c_str());
    m_engine->Remove(m_tempPath.c_str());
    Fail(GF_FILE_WRITE);
  }
  m_tempPath.clear();
}

void GFZmodem::CloseOpenFile() {
  if (m_monitor->direction != 0) {
    GFTransfer::CloseOpenFile();
    return;
  }
  if (m_monitor->result >= 0) {
    CloseReceivedFile();
    return;
  }
  // Not whole: a new file goes, a resumed one stays for the next try; neither
  // gets the sender's time, which would make it look complete.
  WriteReceived();
  m_engine->Close();
  if (m_tempPath.empty()) return;
  Message("Removing the partial file");
  m_engine->Remove(m_tempPath.c_str());
  m_tempPath.clear();
}
