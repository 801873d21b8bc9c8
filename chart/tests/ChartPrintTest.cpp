// Printing a chart as a user does, on the file printer that the set-up
// installs in the Wine prefix: File > Print through the print dialog in
// portrait and landscape, Cancel in that dialog, Print Preview stepped
// through and closed, and Print without any printer. The printed PDFs are
// checked by check_printout.py once this test has run.
#include "framework/Framework.h"
#include "app/G7KWinApp.h"
#include "app/tests/Screenshot.h"
#include "app/tests/WindowScript.h"
#include "chart/VikaChartDoc.h"
#include "chart/VikaChartView.h"
#include "chart/tests/ChartTestFiles.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"
#include "res/resource.h"

#include <winspool.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

class CTestApp : public CG7KWinApp {
 public:
  int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override {
    messages.emplace_back(lpszPrompt);
    return IDOK;
  }
  std::vector<std::string> messages;

 protected:
  LPCTSTR GetRegistryKeyName() const override { return "G7K Print Tests"; }
};

CTestApp theApp;

const char kPrinter[] = "G7K File Printer";

using windowscript::PumpMessages;

std::string PrintDir() {
  const char* dir = getenv("G7K_PRINT_DIR");
  return dir ? dir : "";
}

// Unix paths of the PDFs printed from the document with the title.
std::vector<std::string> PrintedFiles(const std::string& title) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA data;
  const std::string pattern = "Z:" + PrintDir() + "/" + title + ".ORG-*.pdf";
  HANDLE hFind = FindFirstFileA(pattern.c_str(), &data);
  if (hFind == INVALID_HANDLE_VALUE) return found;
  do found.push_back(PrintDir() + "/" + data.cFileName);
  while (FindNextFileA(hFind, &data));
  FindClose(hFind);
  return found;
}

// The job is converted by a process of its own after EndDoc.
bool WaitForPrinted(const std::string& title) {
  for (int i = 0; i < 300; ++i) {
    if (!PrintedFiles(title).empty()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

// Each run starts with an empty print folder, so the checks count pages of
// this run only.
void ClearPrinted() {
  CreateDirectoryA(("Z:" + PrintDir()).c_str(), nullptr);
  WIN32_FIND_DATAA data;
  HANDLE hFind =
      FindFirstFileA(("Z:" + PrintDir() + "/*.pdf").c_str(), &data);
  if (hFind == INVALID_HANDLE_VALUE) return;
  do DeleteFileA(("Z:" + PrintDir() + "/" + data.cFileName).c_str());
  while (FindNextFileA(hFind, &data));
  FindClose(hFind);
}

// Green pixels (the enabled ORG measurements' colour) a window shows.
int CountGreenOnScreen(HWND hWnd) {
  RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  int cx = 0, cy = 0;
  int green = 0;
  for (DWORD p : WindowPixels(hWnd, cx, cy)) {
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    if (g > 120 && r < 80 && b < 80) ++green;
  }
  return green;
}

// A Wenner protocol on 32 electrodes, two cables of 16 takeouts.
std::string WriteProtocol(const std::string& name) {
  const std::string folder = charttest::FreshFolder("chart_print_" + name);
  charttest::WriteFile(folder + "LINE.ADR",
                       charttest::AddressFileText(16, 1, 16, 32));
  CVikaAddressMap map(CString((folder + "LINE.ADR").c_str()));
  std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(1);
  CVikaProtocolGenerator generator;
  generator.SetSpacingRange(1, 10);
  CVikaCommandArray commands;
  const int made = generator.Generate(commands, map, nullptr, *layout, 0);
  std::string text = "1\r\nLINE.ADR\t//Address File\r\n";
  for (int c = 0; c < made; ++c) {
    const CVikaCommand& command = commands[c];
    text += std::to_string(command.m_nC1) + "\t" +
            std::to_string(command.m_nC2) + "\t" +
            std::to_string(command.m_nP1[0]) + "\t" +
            std::to_string(command.m_nP2[0]) + "\r\n";
  }
  charttest::WriteFile(folder + name + ".ORG", text);
  return folder + name + ".ORG";
}

void SetOrientation(short orientation) {
  PRINTDLG pd = {};
  ASSERT_TRUE(theApp.GetPrinterDeviceDefaults(&pd));
  auto* pMode = static_cast<DEVMODEA*>(GlobalLock(theApp.m_hDevMode));
  ASSERT_NE(nullptr, pMode);
  pMode->dmOrientation = orientation;
  pMode->dmFields |= DM_ORIENTATION;
  GlobalUnlock(theApp.m_hDevMode);
}

// The file printer taken out of the prefix for the scope, and put back.
class WithoutPrinters {
 public:
  WithoutPrinters() {
    HANDLE hPrinter = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(const_cast<char*>(kPrinter), &hPrinter, &access)) return;
    DWORD size = 0;
    GetPrinterA(hPrinter, 2, nullptr, 0, &size);
    m_info.resize(size);
    if (size > 0 && GetPrinterA(hPrinter, 2, m_info.data(), size, &size))
      m_bRemoved = DeletePrinter(hPrinter) != FALSE;
    ClosePrinter(hPrinter);
    ForgetPrinter();
  }
  ~WithoutPrinters() {
    if (!m_bRemoved) return;
    auto* pInfo = reinterpret_cast<PRINTER_INFO_2A*>(m_info.data());
    pInfo->pSecurityDescriptor = nullptr;
    pInfo->pDevMode = nullptr;
    if (HANDLE hPrinter = AddPrinterA(nullptr, 2, m_info.data()))
      ClosePrinter(hPrinter);
    SetDefaultPrinterA(kPrinter);
    ForgetPrinter();
  }
  bool Removed() const { return m_bRemoved; }

 private:
  // The application keeps the printer it used last.
  static void ForgetPrinter() {
    if (theApp.m_hDevMode) GlobalFree(theApp.m_hDevMode);
    if (theApp.m_hDevNames) GlobalFree(theApp.m_hDevNames);
    theApp.m_hDevMode = nullptr;
    theApp.m_hDevNames = nullptr;
  }
  std::vector<BYTE> m_info;
  bool m_bRemoved = false;
};

class ChartPrint : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(AfxWinInit(GetModuleHandleA(nullptr), nullptr,
                           const_cast<LPTSTR>(""), SW_SHOW));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7K Print Tests");
    s_bStarted = theApp.InitInstance();
    theApp.GetSplashWindow().Close();
    if (!PrintDir().empty()) ClearPrinted();
  }
  static void TearDownTestSuite() {
    if (theApp.m_pMainWnd) theApp.m_pMainWnd->DestroyWindow();
    theApp.ExitInstance();
  }

  void SetUp() override {
    ASSERT_TRUE(s_bStarted);
    ASSERT_FALSE(PrintDir().empty()) << "G7K_PRINT_DIR names the print folder";
    theApp.messages.clear();
  }

  CVikaChartView* Open(const std::string& path) {
    auto* pDoc =
        dynamic_cast<CVikaChartDoc*>(theApp.OpenDocumentFile(path.c_str()));
    if (!pDoc) return nullptr;
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = dynamic_cast<CVikaChartView*>(pDoc->GetNextView(pos));
    if (pView) pView->GetParentFrame()->ActivateFrame();
    PumpMessages();
    return pView;
  }

  // File > Print, the print dialog answered with the button.
  bool PrintThroughDialog(CVikaChartView* pView, int nButton) {
    return windowscript::DriveIfShown(
        "Print",
        [nButton](HWND hWnd) {
          PostMessageA(GetDlgItem(hWnd, nButton), BM_CLICK, 0, 0);
        },
        [pView] {
          pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
          return 0;
        });
  }

  static BOOL s_bStarted;
};

BOOL ChartPrint::s_bStarted = FALSE;

TEST_F(ChartPrint, PrintDialogOkWritesTheChartPortraitAndLandscape) {
  const struct {
    const char* title;
    short orientation;
  } cases[] = {{"PORTRAIT", DMORIENT_PORTRAIT},
               {"LANDSCAPE", DMORIENT_LANDSCAPE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    SetOrientation(c.orientation);
    CVikaChartView* pView = Open(WriteProtocol(c.title));
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(PrintThroughDialog(pView, IDOK));
    EXPECT_TRUE(theApp.messages.empty()) << theApp.messages.front();
    EXPECT_TRUE(WaitForPrinted(c.title)) << "no PDF in " << PrintDir();
    EXPECT_EQ(1u, PrintedFiles(c.title).size());
    pView->GetDocument()->OnCloseDocument();
    PumpMessages();
  }
  SetOrientation(DMORIENT_PORTRAIT);
}

TEST_F(ChartPrint, CancelInThePrintDialogPrintsNothing) {
  CVikaChartView* pView = Open(WriteProtocol("CANCELLED"));
  ASSERT_NE(nullptr, pView);
  EXPECT_TRUE(PrintThroughDialog(pView, IDCANCEL));
  std::this_thread::sleep_for(std::chrono::seconds(2));
  EXPECT_TRUE(PrintedFiles("CANCELLED").empty());
  EXPECT_TRUE(theApp.messages.empty());
  // The window is usable afterwards.
  EXPECT_TRUE(IsWindowEnabled(theApp.m_pMainWnd->GetSafeHwnd()));
  pView->GetDocument()->OnCloseDocument();
  PumpMessages();
}

TEST_F(ChartPrint, PreviewShowsThePageAndCloses) {
  CVikaChartView* pView = Open(WriteProtocol("PREVIEW"));
  ASSERT_NE(nullptr, pView);
  enum { idNext = 0xE301, idPrev, idClose };
  bool bNextEnabled = true, bPrevEnabled = true;
  int nGreen = 0;
  windowscript::Drive(
      "Print Preview",
      [&](HWND hWnd) {
        // One page: nothing to step to either way.
        bNextEnabled = IsWindowEnabled(GetDlgItem(hWnd, idNext)) != FALSE;
        bPrevEnabled = IsWindowEnabled(GetDlgItem(hWnd, idPrev)) != FALSE;
        SendMessageA(hWnd, WM_COMMAND, idNext, 0);
        SendMessageA(hWnd, WM_COMMAND, idPrev, 0);
        nGreen = CountGreenOnScreen(hWnd);
        const char* dir = getenv("G7K_BINARY_DIR");
        SaveWindowBitmap(
            hWnd, (std::string(dir ? "Z:" : ".") + (dir ? dir : "") +
                   "/chart_preview.bmp").c_str());
        PostMessageA(hWnd, WM_COMMAND, idClose, 0);
      },
      [pView] {
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
        return 0;
      });
  EXPECT_FALSE(bNextEnabled);
  EXPECT_FALSE(bPrevEnabled);
  // The page shows the chart, not only the header's small legend marker.
  EXPECT_GT(nGreen, 150);
  EXPECT_TRUE(theApp.messages.empty());
  EXPECT_TRUE(IsWindowEnabled(theApp.m_pMainWnd->GetSafeHwnd()));
  EXPECT_TRUE(PrintedFiles("PREVIEW").empty());
  pView->GetDocument()->OnCloseDocument();
  PumpMessages();
}

TEST_F(ChartPrint, WithoutAPrinterPrintAndPreviewSaySo) {
  CVikaChartView* pView = Open(WriteProtocol("NOPRINTER"));
  ASSERT_NE(nullptr, pView);
  {
    WithoutPrinters gone;
    ASSERT_TRUE(gone.Removed());
    // A print dialog of Wine's own would be cancelled, and fail the test.
    EXPECT_FALSE(PrintThroughDialog(pView, IDCANCEL));
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
  }
  const std::vector<std::string> expected(2, "No printers are installed.");
  EXPECT_EQ(expected, theApp.messages);
  EXPECT_TRUE(IsWindowEnabled(theApp.m_pMainWnd->GetSafeHwnd()));
  pView->GetDocument()->OnCloseDocument();
  PumpMessages();
}

}  // namespace
