// The chart window's costs under Wine against its core's for the same file:
// a 256-electrode dipole-dipole protocol (4 cables of 64 takeouts, a 1-20,
// n 1-8) opened through its document template in a real frame, painted,
// validated, cleared of duplicates, zoomed, scrolled and hovered. Prints one
// row per step with the window's time, the core's time and their ratio.
#include "bench/window/WindowBench.h"
#include "chart/VikaChartController.h"
#include "chart/VikaChartDoc.h"
#include "chart/VikaChartView.h"
#include "chart/tests/ChartTestFiles.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace windowbench {

namespace {

// The whole protocol, as the create-protocol dialog writes it.
std::string WriteProtocol() {
  const std::string folder = charttest::FreshFolder("window_bench");
  charttest::WriteFile(folder + "LINE.ADR",
                       charttest::AddressFileText(64, 1, 64, 256));
  return charttest::WriteDipoleDipole(folder, 20, 8, 1);
}

struct CoreTimes {
  double open = 0, validate = 0, remove = 0;
  int items = 0, pairs = 0;
};

// The model alone, with nothing to show its progress.
CoreTimes TimeCore(const std::string& path) {
  CSilentHostServices silent;
  CHostServicesScope scope(silent);
  CoreTimes times;
  CVikaChartModel model;
  times.open = Time([&] { model.OpenProtocolFiles(path.c_str()); });
  times.items = model.GetItems().GetSize();
  times.validate = Time([&] { times.pairs = model.Validate(); });
  times.remove = Time([&] { model.RemoveDuplicates(); });
  return times;
}

// Answers the validation message once it shows and notes when it did.
Clock::time_point g_shown;
void CALLBACK CloseValidationMessage(HWND, UINT, UINT_PTR, DWORD) {
  HWND hBox = FindWindowA(nullptr, "Protocol Validation");
  if (!hBox || !IsWindowVisible(hBox)) return;
  if (g_shown == Clock::time_point()) g_shown = Clock::now();
  PostMessageA(hBox, WM_COMMAND, IDOK, 0);
}

// Milliseconds per repaint of the view after each of `count` actions.
double PerRepaint(CVikaChartView* pView, int count,
                  const std::function<void(int)>& act) {
  const double seconds = Time([&] {
    for (int i = 0; i < count; ++i) {
      act(i);
      pView->UpdateWindow();
    }
  });
  PumpMessages();
  return seconds / count;
}

}  // namespace

int RunChart() {
  const std::string path = WriteProtocol();
  const CoreTimes core = TimeCore(path);
  std::printf("256 electrodes: %d items, %d duplicate pairs\n\n", core.items,
              core.pairs);
  Heading("chart window, 256 electrodes");

  CVikaChartView* pView = nullptr;
  const double open = Time([&] {
    auto* pDoc =
        dynamic_cast<CVikaChartDoc*>(App().OpenDocumentFile(path.c_str()));
    if (!pDoc) return;
    POSITION pos = pDoc->GetFirstViewPosition();
    pView = dynamic_cast<CVikaChartView*>(pDoc->GetNextView(pos));
  });
  if (!pView) {
    std::printf("the protocol did not open\n");
    return 1;
  }
  CFrameWnd* pFrame = pView->GetParentFrame();
  const double paint = Time([&] {
    pFrame->ActivateFrame(SW_SHOWMAXIMIZED);
    pView->UpdateWindow();
  });
  PumpMessages();
  Row("open (document, model)", open, core.open + core.validate, "");
  Row("first paint", paint, 0, "");
  Row("open + first paint", open + paint, core.open + core.validate,
      "< 3x and < 2 s");

  auto* pController =
      dynamic_cast<CVikaChartController*>(pView->GetController());
  g_shown = Clock::time_point();
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseValidationMessage);
  const Clock::time_point validateStart = Clock::now();
  pController->OnValidate();
  KillTimer(nullptr, timer);
  const double validate = std::chrono::duration<double>(
      (g_shown == Clock::time_point() ? Clock::now() : g_shown) -
      validateStart).count();
  Row("validate (to its message)", validate, core.validate, "< 2x");

  const double remove = Time([&] {
    pController->OnRemoveDuplicates();
    pView->UpdateWindow();
  });
  Row("remove duplicates", remove, core.remove, "< 2x");

  const double zoom = PerRepaint(pView, 6, [&](int i) {
    if (i % 2) pController->OnZoomOut(); else pController->OnZoomIn();
  });
  Row("zoom, per repaint", zoom, 0, "< 0.050");
  const double scroll = PerRepaint(pView, 20, [&](int i) {
    pView->SendMessage(i < 10 ? WM_VSCROLL : WM_HSCROLL,
                       i % 2 ? SB_PAGEUP : SB_PAGEDOWN, 0);
  });
  Row("scroll, per repaint", scroll, 0, "< 0.050");
  pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
  pView->SendMessage(WM_HSCROLL, SB_LEFT, 0);
  CRect client;
  pView->GetClientRect(&client);
  const double hover = PerRepaint(pView, 100, [&](int i) {
    const int x = 20 + (i * 37) % std::max(1, client.Width() - 40);
    const int y = 40 + (i * 53) % std::max(1, client.Height() - 80);
    pView->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  });
  Row("hover, per repaint", hover, 0, "< 0.050");
  pView->GetDocument()->SetModifiedFlag(FALSE);
  pView->GetDocument()->OnCloseDocument();
  PumpMessages();
  return 0;
}

}  // namespace windowbench
