#include "CPP_ALL/GFTransfer.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "CPP_ALL/GFPlatform.h"

namespace {
const char kSource[] = "CPP_ALL\\TRANSFER";
}

GFTransfer::GFTransfer(GFComStream* stream, GFMonitor* monitor)
    : m_stream(stream), m_lineStatus(stream->GetLineStatus()), m_monitor(monitor) {
  if (!m_monitor) {
    m_ownMonitor = std::make_unique<GFMonitor>();
    m_monitor = m_ownMonitor.get();
    m_ownsMonitor = true;
  }
}

GFTransfer::~GFTransfer() = default;

int GFTransfer::Send(const char*) { GFFatalError(kSource, __LINE__); }
int GFTransfer::Receive(int) { GFFatalError(kSource, __LINE__); }

bool GFTransfer::SetFileEngine(GFFileEngine* engine) {
  m_engine = engine;
  m_ownEngine.reset();
  m_makeEngine = false;
  return engine != nullptr;
}

bool GFTransfer::PrepareEngine() {
  if (m_data.empty()) {
    Message("Failed to allocate XFER buffer(s)");
    Fail(GF_XFER_MEMORY);
    Finish();
    return false;
  }
  if (m_engine) return true;
  if (m_makeEngine) {
    m_ownEngine = GFMakeFileEngine();
    m_engine = m_ownEngine.get();
  }
  if (!m_engine) {
    Message("File engine is not available");
    Fail(GF_NO_FILE_ENGINE);
    Finish();
    return false;
  }
  return true;
}

void GFTransfer::Message(const char* format, ...) {
  char text[196];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  m_monitor->Message(text);
}

bool GFTransfer::CheckAbort() {
  m_monitor->Progress(m_monitor->result);
  if (m_monitor->result < 0) return false;
  int abort = m_monitor->QueryAbort();
  if (abort != 0) {
    Fail(abort);
    Message("Transfer aborted...");
    Finish();
    return true;
  }
  if (m_carrierCheck && m_lineStatus) {
    m_lineStatus->Refresh();
    if (!m_lineStatus->Field(GF_LINE_CD)) {
      Fail(GF_CARRIER_LOST);
      Message("Transfer aborted...");
      Finish();
      return true;
    }
  }
  return false;
}

int GFTransfer::WriteChar(int c) {
  uint32_t start = GFTickCount();
  int nextReport = 25;
  while (m_stream->WriteChar(c) != 0) {
    m_stream->GetPort()->TakeError();
    if (GFElapsed(start, kWriteCharTimeout)) {
      Message("Timeout error sending buffer");
      Fail(GF_WRITE_TIMEOUT);
      return GF_BUFFER_FULL;
    }
    if (CheckAbort()) return m_monitor->result;
    int idle = m_stream->Pause(GF_WAIT_OUTPUT, start, int(kWriteCharTimeout));
    if (idle < 0) return Fail(idle);
    int left = int(kWriteCharTimeout - (GFTickCount() - start)) / 1000;
    if (left <= nextReport && nextReport > 0) {
      Message("%d sec left to WriteChar", nextReport);
      nextReport -= 5;
    }
  }
  return 0;
}

int GFTransfer::WriteBuffer(const void* data, int n) {
  const auto* p = static_cast<const uint8_t*>(data);
  uint32_t start = GFTickCount();
  int nextReport = 55;
  int done = 0;
  while (done < n) {
    int w = m_stream->WriteBuffer(p + done, n - done);
    if (w > 0) done += w;
    if (done >= n) break;
    m_stream->GetPort()->TakeError();
    if (GFElapsed(start, kWriteBufferTimeout)) {
      Message("Timeout error sending buffer");
      Fail(GF_WRITE_TIMEOUT);
      return GF_BUFFER_FULL;
    }
    if (CheckAbort()) return m_monitor->result;
    int idle = m_stream->Pause(GF_WAIT_OUTPUT, start, int(kWriteBufferTimeout));
    if (idle < 0) return Fail(idle);
    int left = int(kWriteBufferTimeout - (GFTickCount() - start)) / 1000;
    if (left <= nextReport && nextReport > 0) {
      Message("%d sec to complete WriteBuffer", nextReport);
      nextReport -= 5;
    }
  }
  return done;
}

bool GFTransfer::Delay(uint32_t ms) {
  uint32_t start = GFTickCount();
  while (!GFElapsed(start, ms)) {
    if (m_stream->Idle() < 0) return false;
    GFSleep(std::min<uint32_t>(ms, 5));
  }
  return true;
}

void GFTransfer::Finish() {
  if (m_finished) return;
  m_finished = true;
  if (m_fileOpen && m_engine) {
    CloseOpenFile();
    m_fileOpen = false;
  }
  int result = m_monitor->result;
  if (result >= 0) return;
  bool cancel = m_monitor->protocol < 5 || (m_monitor->protocol == GFMonitor::kZmodem && result != GF_REMOTE_CANCEL);
  if (cancel) {
    static const uint8_t kCancel[20] = {kCan, kCan, kCan, kCan, kCan, kCan, kCan, kCan, kCan, kCan,
                                        8,    8,    8,    8,    8,    8,    8,    8,    8,    8};
    // Straight to the port: a cancel must not wait behind the write limits.
    m_stream->WriteBuffer(kCancel, sizeof kCancel);
    m_stream->GetPort()->TakeError();
  }
  Delay(1000);
  while (m_stream->InputCount() > 0) {
    if (m_stream->ReadChar(55) < 0) break;
  }
}

void GFTransfer::CloseOpenFile() {
  if (m_monitor->direction == 0 && m_monitor->result >= 0 && m_monitor->fileTime != -1) {
    m_engine->FromUnixSeconds(m_monitor->fileTime);
    m_engine->SetTime();
  }
  m_engine->Close();
}

bool GFTransfer::WaitQuiet() {
  if (CheckAbort()) return false;
  for (;;) {
    int c = m_stream->ReadChar(1000);
    if (c <= 0) return true;
  }
}

const char* GFTransfer::StripPath(const char* name) { return GFNameInPath(name); }
