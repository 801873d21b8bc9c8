// The window path under Wine against the cores under it: the chart, the
// project and conversion lists and the tree, each in a real window of the
// application, and the application's start against an empty window's.
// Figures only: `make bench` prints them, nothing is asserted.
#include "bench/window/WindowBench.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace windowbench {

namespace {

class CBenchApp : public CG7KWinApp {
 protected:
  LPCTSTR GetRegistryKeyName() const override { return "G7K Window Bench"; }
};

CBenchApp theApp;

}  // namespace

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double Time(const std::function<void()>& run) {
  const Clock::time_point start = Clock::now();
  run();
  return Seconds(start);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

CG7KWinApp& App() { return theApp; }

CDocTemplate* FindTemplate(CRuntimeClass* pDocClass) {
  POSITION pos = theApp.GetFirstDocTemplatePosition();
  while (pos) {
    CDocTemplate* pTemplate = theApp.GetNextDocTemplate(pos);
    if (pTemplate && pTemplate->m_pDocClass == pDocClass) return pTemplate;
  }
  return nullptr;
}

void Heading(const char* pszTable) {
  std::printf("\n%-34s %10s %10s %9s   %s\n", pszTable, "window s", "core s",
              "ratio", "goal");
}

void Row(const char* pszStep, double window, double core,
         const char* pszGoal) {
  if (core > 0)
    std::printf("%-34s %10.4f %10.4f %8.2fx   %s\n", pszStep, window, core,
                window / core, pszGoal);
  else
    std::printf("%-34s %10.4f %10s %9s   %s\n", pszStep, window, "", "",
                pszGoal);
  std::fflush(stdout);
}

}  // namespace windowbench

namespace {

using namespace windowbench;

// The bare minimum a Win32 program shows: a registered class, one window.
int RunEmptyWindow() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = [](HWND hWnd, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hWnd, msg, w, l);
  };
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "G7KBenchEmpty";
  RegisterClassA(&wc);
  HWND hWnd = CreateWindowA("G7KBenchEmpty", "Empty", WS_OVERLAPPEDWINDOW,
                            CW_USEDEFAULT, CW_USEDEFAULT, 600, 400, nullptr,
                            nullptr, wc.hInstance, nullptr);
  ShowWindow(hWnd, SW_SHOW);
  UpdateWindow(hWnd);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

struct Search {
  DWORD dwProcess;
  const char* pszTitle;  // a part of the caption
  BOOL bWithMenu;
  HWND hFound;
};

BOOL CALLBACK FindShown(HWND hWnd, LPARAM lParam) {
  auto* pSearch = reinterpret_cast<Search*>(lParam);
  DWORD dwProcess = 0;
  GetWindowThreadProcessId(hWnd, &dwProcess);
  if (dwProcess != pSearch->dwProcess || !IsWindowVisible(hWnd)) return TRUE;
  char szTitle[128] = "";
  GetWindowTextA(hWnd, szTitle, sizeof szTitle);
  if (pSearch->pszTitle && std::strstr(szTitle, pSearch->pszTitle) == nullptr)
    return TRUE;
  // The main frame, not the splash or a message: the one with the menu.
  if (pSearch->bWithMenu && !GetMenu(hWnd)) return TRUE;
  pSearch->hFound = hWnd;
  return FALSE;
}

// Seconds from starting the program until its window with the title part
// shows, or a negative number when it never did.
double StartUntilShown(const std::string& command, const char* pszTitle,
                       BOOL bWithMenu) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string line = command;
  const Clock::time_point start = Clock::now();
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &si, &pi))
    return -1;
  Search search = {pi.dwProcessId, pszTitle, bWithMenu, nullptr};
  double seconds = -1;
  while (Seconds(start) < 60) {
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    if (search.hFound) {
      seconds = Seconds(start);
      break;
    }
    Sleep(1);
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return seconds;
}

// Side by side, alternating, the median of five of each.
void RunStartup(const char* pszApplication) {
  char szSelf[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, szSelf, sizeof szSelf);
  const std::string empty = std::string("\"") + szSelf + "\" --empty-window";
  const std::string application = std::string("\"") + pszApplication + "\"";
  std::vector<double> bare, full;
  for (int run = 0; run < 5; ++run) {
    bare.push_back(StartUntilShown(empty, "Empty", FALSE));
    full.push_back(StartUntilShown(application, "G7KWin", TRUE));
  }
  std::sort(bare.begin(), bare.end());
  std::sort(full.begin(), full.end());
  Heading("start-up (median of 5)");
  Row("main window shown", full[2], bare[2], "< 1.25x");
  std::printf("%-34s %10.4f\n", "  (empty Win32 window)", bare[2]);
  std::fflush(stdout);
}

// Runs the window benchmarks in a process of its own: the application
// object reads the command line.
int RunWindowsApart() {
  char szSelf[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, szSelf, sizeof szSelf);
  std::string line = std::string("\"") + szSelf + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &si, &pi))
    return 1;
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD dwResult = 1;
  GetExitCodeProcess(pi.hProcess, &dwResult);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(dwResult);
}

}  // namespace

// Arguments: the application's path for the start-up comparison, then the
// rest runs apart (none: the rest only); "--empty-window" runs the empty
// program the comparison starts.
int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--empty-window") == 0)
    return RunEmptyWindow();
  if (argc > 1) {
    RunStartup(argv[1]);
    return RunWindowsApart();
  }
  if (!AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPTSTR>(""),
                  SW_SHOW))
    return 1;
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7K Window Bench");
  if (!App().InitInstance()) return 1;
  App().GetSplashWindow().Close();
  PumpMessages();
  int result = RunChart();
  result |= RunLists();
  result |= RunTree();
  if (App().m_pMainWnd) App().m_pMainWnd->DestroyWindow();
  App().ExitInstance();
  return result;
}
