// ZMODEM sender and receiver over a link stream, with its frame layer:
// headers (hex, binary CRC-16 and CRC-32), escaped data subpackets, pad
// search, cancel detection and the retry limits.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "CPP_ALL/GFChecksum.h"
#include "CPP_ALL/GFLineClock.h"
#include "CPP_ALL/GFTransfer.h"

class GFZmodem : public GFTransfer {
 public:
  // Frame types.
  enum {
    ZRQINIT = 0, ZRINIT = 1, ZSINIT = 2, ZACK = 3, ZFILE = 4, ZSKIP = 5, ZNAK = 6, ZABORT = 7,
    ZFIN = 8, ZRPOS = 9, ZDATA = 10, ZEOF = 11, ZFERR = 12, ZCRC = 13, ZCHALLENGE = 14,
    ZCOMPL = 15, ZCAN = 16, ZFREECNT = 17, ZCOMMAND = 18, ZSTDERR = 19,
  };
  // Framing characters and subpacket ends.
  enum {
    ZPAD = '*', ZDLE = 0x18, ZBIN = 'A', ZHEX = 'B', ZBIN32 = 'C',
    ZCRCE = 'h', ZCRCG = 'i', ZCRCQ = 'j', ZCRCW = 'k', ZRUB0 = 'l', ZRUB1 = 'm',
    XON = 0x11, XOFF = 0x13,
  };
  // Receiver capabilities (ZRINIT ZF0).
  enum { CANFDX = 0x01, CANOVIO = 0x02, CANBRK = 0x04, CANFC32 = 0x20 };
  // File-management codes (ZFILE ZF1, masked with 0x1F).
  enum { ZMNEWL = 1, ZMCRC = 2, ZMAPND = 3, ZMCLOB = 4, ZMNEW = 5, ZMDIFF = 6, ZMPROT = 7 };
  static constexpr int ZCRESUM = 3;  // ZFILE ZF0: resume an interrupted file

  static constexpr int kDataSize = 1024;
  static constexpr int kOutSize = 2060;
  static constexpr long kWindow = 4096;
  static constexpr int kGarbageLimit = 2048;
  static constexpr int kMaxNameLength = 200;
  // The longest header an answer can be (a hex header with its line end).
  static constexpr long kAnswerBytes = 24;

  explicit GFZmodem(GFComStream* stream, GFMonitor* monitor = nullptr);
  ~GFZmodem() override;

  int Send(const char* fileSpec) override;
  int Receive(int value) override;

  void SetRecurseSubdirs(bool on) { m_recurse = on; }
  void SetStripPath(bool on) { m_stripPath = on; }
  void SetReceiverResume(bool on) { m_receiverResume = on; }
  void SetRequestResume(bool on) { m_requestResume = on; }
  void SetStreaming(bool on) { m_streaming = on; }
  void SetEofPortCheck(bool on) { m_eofPortCheck = on; }
  void SetFileManagement(int option);
  void SetRetryLimit(int limit) { m_retryLimit = limit; }
  // The transfer ends with GF_TRANSFER_TIMEOUT once nothing valid has come
  // from the far end for this long, whatever the retry limit.
  void SetSilenceLimit(uint32_t ms) { m_silenceLimit = ms; }
  // Where received files go; empty is the current folder.
  void SetReceiveFolder(const char* folder);
  int GetFileManagement() const { return m_fileManagement; }
  bool GetStreaming() const { return m_streaming; }

  // Frame layer.
  int ReadFrameHeader(bool once);
  // 0 when a ZPAD was seen, else a negative code.
  int GetPad();
  int GetHeaderType();
  int ReadHexFrameHeaderData();
  int ReadBinaryHeaderData(bool crc32);
  int ReadByte();
  int ReadDataSubpacket();
  // Takes unescaped data bytes already read ahead into the subpacket after
  // its first `n`; how many.
  int TakePlainBytes(int n);
  int ReadCrc16(int end);
  int ReadCrc32(int end);
  int CheckCrc16Trailer(uint16_t crc, const char* caller);
  int CheckCrc32Trailer(uint32_t crc, const char* caller);
  int SendHexHeader(int type, const uint8_t data[4]);
  int SendBinaryHeader(int type, const uint8_t data[4], bool afterPurge = false);
  int SendDataSubpacket(int length, int end);

  bool OpenFile();
  // Discards what has arrived, ours and the port's.
  void DropInput();

  const uint8_t* HeaderData() const { return m_header; }
  long HeaderPosition() const;
  int HeaderFormat() const { return m_headerFormat; }
  uint8_t* DataBuffer() { return m_data.data(); }
  const uint8_t* OutputBuffer() const { return m_out; }
  int OutputCount() const { return m_outCount; }
  void SetPeerFlags(int flags) { m_peerFlags = flags; }

  // The file-information block of ZFILE: name, NUL, "size octal-time 0".
  static std::string FileInfo(const char* name, long size, long unixTime);
  // The offered name reduced to a plain file name, or false when it is not
  // safe to create (empty, "..", a device name, too long, bad characters).
  static bool SafeReceiveName(const char* offered, std::string& name);

  // What the receiver knows when a file is offered: the file-management
  // code (ZF1 masked), whether resume is on, and the local and offered
  // sizes and UTC times (offered time -1 when not given).
  struct ReceiveFacts {
    int zf1 = 0;
    bool resume = false;
    bool exists = false;
    long localSize = 0;
    long localTime = 0;
    long offeredSize = 0;
    long offeredTime = -1;
  };
  // kSkipDated skips a file that is complete but gives it the offered time.
  enum class ReceiveAction { kReplace, kResume, kAppend, kSkip, kSkipDated };
  static ReceiveAction DecideReceiveAction(const ReceiveFacts& facts);

 private:
  static void Position(long pos, uint8_t data[4]);
  // Reads through our own input buffer: the bytes that have arrived are
  // taken in one go, not one call per byte.
  // Reads ahead only in the data phases; outside them nothing past the
  // character is taken from the port, since what follows the session
  // belongs to the next reader of the line.
  int GetChar(int timeout);
  // Puts back the character GetChar gave last.
  void Unget(int c);
  int Waiting();
  int ReadHeaderChar();
  void PutEscaped(uint8_t byte);
  void PutRaw(uint8_t byte) { m_out[m_outCount++] = byte; }
  // Writes to the port and keeps the line clock.
  int Write(const void* data, int n);
  int Flush();
  // Drops what the port still holds of our output.
  void PurgeOutput();
  // The line clock's pace from the port's speed and character format.
  void PaceFromPort();
  // True while what we sent is still leaving or an answer to it could not
  // yet have come back.
  bool AnswerPending() const;
  // True once `wait` ms have passed since `from`, a tick that may lie ahead.
  static bool Passed(uint32_t from, uint32_t wait);
  // Writes the subpackets held while batching.
  int FlushBatch();
  int SendFilePosition(int type, long pos);
  bool CountRetry(int limitCode);
  // Something valid came from the far end.
  void HeardPeer();
  // Starts a period of the data phase at the confirmed position `pos`.
  void WatchProgress(long pos);
  // True (the result set) when a period with setbacks in it ended with
  // too little progress for the line's speed.
  bool LineTooNoisy(long pos);
  // True (the result set) once the far end has been silent too long.
  bool SilenceLimitPassed();

  // Sender.
  void RunSender();
  int OpenLink();
  bool PrepareFile();
  int SendFile();
  int SendFileData();
  // 0 when the frame ended normally, kGoBack when it ended for lack of
  // acknowledgements, or the error.
  int SendDataFrame();
  static constexpr int kGoBack = 2;
  // Waits for the receiver: 0 once something came, 1 after the last of a
  // run of waits without it (the acknowledgement gaps), or the error.
  int AwaitReceiver();
  void TakeAck();
  // The acknowledgement of the first subpacket of a frame sent after a
  // purge is much later than such acknowledgements usually are.
  bool FirstAckOverdue() const;
  // Acts on a ZRPOS.
  int Reposition();
  // A ZRPOS for the place the frame being sent answers, sent before that
  // frame could have reached the receiver: nothing to act on.
  bool EarlyRepeat() const;
  // The size of the next subpacket, from how often the line is damaged.
  int BlockSize() const;
  // Sends again from the last acknowledged place.
  int GoBack();
  // What the receiver has sent while we send: nothing, a header (left for
  // the header search) or only noise.
  enum { kQuiet, kHeader, kNoise };
  int BackChannel();
  // Takes acknowledgements from the back channel, waiting while the window
  // is full: 0 to go on with the frame, 1 to end it (another header is
  // pending), kGoBack to end it and send again from the last acknowledged
  // place, or the error.
  int TakeBackChannel();
  // True when the next input (line ends and flow characters skipped) is a pad.
  bool HeaderWaiting();
  void CloseLink();

  // Receiver.
  bool OpenReceivedFile();
  ReceiveFacts LocalFacts();
  void RunReceiver();
  int GetFileName();
  bool ParseFileInfo();
  int ReadFileData();
  // One data frame: its subpackets, then what they brought to the file.
  int ReadFrameData();
  int ReadFrameSubpackets();
  // Writes the received data held back; false (the result set) on failure.
  bool WriteReceived();
  // Asks for the data at the bytes received; unless forced, not again
  // while an earlier request may still be on its way.
  void RequestPosition(bool force, bool count = true);
  void NoteRequest();
  // A header for another position than ours: answered unless it may be
  // one the sender sent before our request reached it.
  void WrongPosition();
  void CloseReceivedFile();
  void CloseOpenFile() override;
  // The name the data is written to: a new unique one next to the final
  // name when the file is replaced, else the final name.
  bool OpenReceiveTarget(bool replace);
  void EofPortCheckBefore();
  void EofPortCheckAfter();

  bool m_recurse = false;
  bool m_stripPath = true;
  bool m_receiverResume = true;
  bool m_requestResume = false;
  bool m_streaming = true;
  bool m_eofPortCheck = false;
  int m_fileManagement = 0;
  int m_retryLimit = 10;
  uint32_t m_silenceLimit = 60000;
  uint32_t m_lastHeard = 0;
  bool m_watchSilence = false;  // only a running transfer has a far end
  int m_padTimeouts = 10;
  int m_padWait = 1000;   // ms, one pad time-out
  int m_charWait = 2500;  // ms, for each further character of a header
  bool m_countHeaderErrors = true;
  std::string m_receiveFolder;
  uint32_t m_watchFrom = 0;
  long m_watchPos = 0;
  int m_setbacks = 0;  // repositionings and go-backs in the period

  GFLineClock m_clock;
  uint8_t m_out[kOutSize];
  int m_outCount = 0;
  bool m_batching = false;  // within a data frame
  std::vector<uint8_t> m_batch;
  int m_canCount = 0;
  int m_garbage = 0;
  bool m_damagedHeader = false;  // the last header search found one that failed its check
  int m_peerFlags = 0;
  int m_peerBufferSize = 0;
  uint8_t m_header[4] = {0, 0, 0, 0};
  int m_headerFormat = 0;
  bool m_hexClean = false;
  bool m_readAhead = false;
  uint8_t m_in[4096];
  int m_inHead = 0;
  int m_inTail = 0;
  GFCrc16 m_crc16;
  GFCrc32 m_crc32;

  // Sender bookkeeping.
  long m_pos = 0;
  long m_lastAck = 0;
  bool m_reposition = false;
  bool m_cutOutput = false;  // the last purge may have cut a subpacket
  static constexpr int kNoHeader = -1000;
  int m_pendingHeader = kNoHeader;  // read while sending, not yet acted on
  long m_cleanRun = 0;  // usual good bytes between repositionings; 0 none yet
  long m_cleanFrom = 0;  // acknowledged since then without a repositioning
  long m_lastReposition = -1;
  int m_ackGaps = 0;
  uint32_t m_frameStart = 0;
  long m_firstAsk = -1;         // the first acknowledgement the frame waits for
  uint32_t m_firstAskLeaves = 0;  // when its subpacket will have left
  uint32_t m_firstAckTime = 0;  // how long it usually takes after that, 0 unknown
  uint32_t m_answerReaches = 0;  // when a request about the frame after a repositioning can first come
  // File position and wire offset of the end of each subpacket of the
  // frame not yet acknowledged.
  std::deque<std::pair<long, long>> m_sentEnds;
  int m_quickGoBacks = 0;       // for overdue first acknowledgements, since the last one
  std::string m_info;

  // Receiver bookkeeping.
  int m_zf0 = 0;
  int m_zf1 = 0;
  std::string m_fileInfo;
  std::string m_path;
  long m_offeredSize = 0;
  long m_offeredTime = -1;
  long m_rxPos = 0;
  long m_appendBase = 0;  // appended data starts after the local file
  uint32_t m_lastRequest = 0;  // when the answer to our request could first come
  long m_staleBytes = 0;  // garbage since our request or the last good frame
  int m_wrongHeaders = 0;  // headers for another position since our request; -1 answered
  uint32_t m_answerWait = 1000;
  std::string m_tempPath;  // where a replacing file is written until it is whole
  std::vector<uint8_t> m_received;  // checked data not yet written
};
