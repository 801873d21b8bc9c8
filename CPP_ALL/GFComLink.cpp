#include "CPP_ALL/GFComLink.h"

#include "CPP_ALL/GFPlatform.h"

namespace {
const char kSource[] = "CPP_ALL\\COMLINK";
uint16_t g_openCounts[GFComLink::kMaxPorts];

bool ValidIndex(int index) { return index >= 0 && index < GFComLink::kMaxPorts; }
}  // namespace

unsigned GFComLink::GetOpenCount(int index) { return ValidIndex(index) ? g_openCounts[index] : 0; }

void GFComLink::IncOpenCount(int index) {
  if (ValidIndex(index)) ++g_openCounts[index];
}

void GFComLink::DecOpenCount(int index) {
  if (ValidIndex(index) && g_openCounts[index] > 0) --g_openCounts[index];
}

void GFComLink::HoldOpenCount() {
  if (m_holdsCount) return;
  IncOpenCount(m_index);
  m_holdsCount = true;
}

void GFComLink::ReleaseOpenCount() {
  if (!m_holdsCount) return;
  DecOpenCount(m_index);
  m_holdsCount = false;
}

GFComLink::~GFComLink() { ReleaseOpenCount(); }

int GFComLink::IdleHook() { GFFatalError(kSource, __LINE__); }
int GFComLink::GetModemStatus() { GFFatalError(kSource, __LINE__); }
int GFComLink::Open(int) { GFFatalError(kSource, __LINE__); }
int GFComLink::CreatePort() { GFFatalError(kSource, __LINE__); }
int GFComLink::Close() { GFFatalError(kSource, __LINE__); }
void GFComLink::GetQueueStatus(GFQueueStatus&) { GFFatalError(kSource, __LINE__); }
int GFComLink::SetBufferSizes(int, int, int) { GFFatalError(kSource, __LINE__); }
int GFComLink::SetFlowControl(int, int) { GFFatalError(kSource, __LINE__); }
int GFComLink::GetFlowControl(int&, int&) { GFFatalError(kSource, __LINE__); }
int GFComLink::SetBreak(int) { GFFatalError(kSource, __LINE__); }
int GFComLink::SetLine(int, int) { GFFatalError(kSource, __LINE__); }
int GFComLink::SetParameters(long, char, int, int) { GFFatalError(kSource, __LINE__); }
void GFComLink::GetParameters(long&, char&, int&, int&) { GFFatalError(kSource, __LINE__); }
int GFComLink::GetStatusSnapshot(uint32_t&) { GFFatalError(kSource, __LINE__); }
int GFComLink::WriteChar(int) { GFFatalError(kSource, __LINE__); }
int GFComLink::WriteString(const char*) { GFFatalError(kSource, __LINE__); }
int GFComLink::WriteBuffer(const void*, int) { GFFatalError(kSource, __LINE__); }
int GFComLink::TransmitChar(int) { GFFatalError(kSource, __LINE__); }
int GFComLink::ReadChar() { GFFatalError(kSource, __LINE__); }
int GFComLink::ReadBuffer(void*, int) { GFFatalError(kSource, __LINE__); }
int GFComLink::Purge(int, int) { GFFatalError(kSource, __LINE__); }
void GFComLink::DumpSettings(GFLineWriter) { GFFatalError(kSource, __LINE__); }
int GFComLink::QueryExtension() { return GF_NOT_SUPPORTED; }
int GFComLink::ControlExtension() { return GF_NOT_SUPPORTED; }
void GFComLink::WaitReady(int, int ms) { GFSleep(ms > 0 ? uint32_t(ms) : 0); }
