#include "framework/Framework.h"
#include "chart/ChartHost.h"

namespace {
IChartHost* g_pChartHost = NULL;
}

IChartHost* GetChartHost() { return g_pChartHost; }

IChartHost* SetChartHost(IChartHost* host) {
  IChartHost* previous = g_pChartHost;
  g_pChartHost = host;
  return previous;
}

// Progress style of every chart loop: percent text, driving the control.
static const DWORD kProgressStyle = 0x4100;

ChartProgress::ChartProgress(LPCTSTR text, int lower, int upper, int step)
    : m_pHost(g_pChartHost) {
  if (m_pHost)
    m_pHost->BeginProgress(text, lower, upper, TRUE, kProgressStyle, step);
}

ChartProgress::~ChartProgress() {
  if (m_pHost)
    m_pHost->EndProgress();
}

void ChartProgress::Step() {
  if (m_pHost)
    m_pHost->StepProgress();
}

void ChartProgress::SetPos(int pos) {
  if (m_pHost)
    m_pHost->SetProgressPos(pos);
}

void StepChartProgress() {
  if (g_pChartHost)
    g_pChartHost->StepProgress();
}

ChartWaitCursor::ChartWaitCursor() : m_pHost(g_pChartHost) {
  if (m_pHost)
    m_pHost->BeginWaitCursor();
}

ChartWaitCursor::~ChartWaitCursor() {
  if (m_pHost)
    m_pHost->EndWaitCursor();
}
