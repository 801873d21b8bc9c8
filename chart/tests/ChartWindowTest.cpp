// The protocol chart under Wine: a generated protocol with a planted
// duplicate opened as a chart, hovered, toggled, validated, sorted,
// optimised, its layout flipped twice, saved and reopened, printed into a
// bitmap; screenshots of the window and the page.
#include "framework/Framework.h"
#include "app/G7KWinApp.h"
#include "app/tests/Screenshot.h"
#include "app/tests/ScrollBarInput.h"
#include "chart/VikaChartComponents.h"
#include "chart/VikaChartController.h"
#include "chart/VikaChartDoc.h"
#include "chart/VikaChartFrame.h"
#include "chart/VikaChartView.h"
#include "chart/tests/ChartTestFiles.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"
#include "res/ChartRes.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class CTestApp : public CG7KWinApp {
 public:
  int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override {
    messages.emplace_back(lpszPrompt);
    return nAnswer;
  }
  std::vector<std::string> messages;
  int nAnswer = IDYES;

 protected:
  LPCTSTR GetRegistryKeyName() const override { return "G7K Chart Tests"; }
};

CTestApp theApp;

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  theApp.OnIdle(0);
}

std::string ShotPath(const char* pszName) {
  const char* pszBinary = getenv("G7K_BINARY_DIR");
  return (pszBinary && *pszBinary == '/' ? "Z:" + std::string(pszBinary)
                                         : std::string(".")) +
         "/" + pszName;
}

// A modal window with the caption is handed to the script once it shows.
struct Script {
  std::string strCaption;
  std::function<void(HWND)> run;
  bool bRan = false;
};
Script* g_pScript = nullptr;

BOOL CALLBACK FindCaption(HWND hWnd, LPARAM) {
  char szTitle[256] = "";
  GetWindowTextA(hWnd, szTitle, sizeof szTitle);
  if (IsWindowVisible(hWnd) && std::string(szTitle) == g_pScript->strCaption) {
    g_pScript->bRan = true;
    g_pScript->run(hWnd);
    return FALSE;
  }
  return TRUE;
}

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD) {
  if (g_pScript && !g_pScript->bRan)
    EnumThreadWindows(GetCurrentThreadId(), FindCaption, 0);
}

bool Drive(const char* pszCaption, std::function<void(HWND)> run,
           std::function<void()> open) {
  Script script{pszCaption, std::move(run)};
  g_pScript = &script;
  const UINT_PTR nTimer = SetTimer(nullptr, 0, 100, RunScript);
  open();
  KillTimer(nullptr, nTimer);
  g_pScript = nullptr;
  return script.bRan;
}

// The 32-bit pixels of a bitmap, bottom row first.
std::vector<DWORD> Pixels(CDC& dc, CBitmap& bitmap, int cx, int cy,
                          BITMAPINFOHEADER& info) {
  info = {sizeof info, cx, cy, 1, 32, BI_RGB};
  std::vector<DWORD> pixels(static_cast<size_t>(cx) * cy);
  GetDIBits(dc.m_hDC, static_cast<HBITMAP>(bitmap.m_hObject), 0, cy,
            pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  return pixels;
}

int CountInk(CDC& dc, CBitmap& bitmap, int cx, int cy) {
  BITMAPINFOHEADER info;
  const std::vector<DWORD> pixels = Pixels(dc, bitmap, cx, cy, info);
  return static_cast<int>(
      std::count_if(pixels.begin(), pixels.end(),
                    [](DWORD p) { return (p & 0xFFFFFF) != 0xFFFFFF; }));
}

void WriteBitmap(CDC& dc, CBitmap& bitmap, int cx, int cy,
                 const std::string& path) {
  BITMAPINFOHEADER info;
  const std::vector<DWORD> pixels = Pixels(dc, bitmap, cx, cy, info);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
  FILE* out = fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, out) << path;
  fwrite(&file, sizeof file, 1, out);
  fwrite(&info, sizeof info, 1, out);
  fwrite(pixels.data(), 4, pixels.size(), out);
  fclose(out);
}

void Press(HWND hWnd, int nId) {
  PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), 0);
}

// A dipole-dipole protocol on 24 electrodes, every other measurement, with
// the first line written twice.
std::string WriteProtocol() {
  const std::string folder = charttest::FreshFolder("chart_window");
  charttest::WriteFile(folder + "LINE.ADR",
                       charttest::AddressFileText(12, 1, 12, 24));
  CVikaAddressMap map(CString((folder + "LINE.ADR").c_str()));
  std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(5);
  CVikaProtocolGenerator generator;
  generator.SetSpacingRange(1, 3);
  generator.SetLevelRange(1, 6);
  CVikaCommandArray commands;
  const int made = generator.Generate(commands, map, NULL, *layout, 0);
  std::string text = "5\nLINE.ADR\t//Address File\n";
  for (int c = 0; c < made; c += 2) {
    const CVikaCommand& command = commands[c];
    const std::string line = std::to_string(command.m_nC1) + "\t" +
                             std::to_string(command.m_nC2) + "\t" +
                             std::to_string(command.m_nP1[0]) + "\t" +
                             std::to_string(command.m_nP2[0]) + "\n";
    text += line;
    if (c == 0) text += line;
  }
  charttest::WriteFile(folder + "DD.ORG", text);
  return folder + "DD.ORG";
}

class ChartWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(AfxWinInit(GetModuleHandleA(nullptr), nullptr,
                           const_cast<LPTSTR>(""), SW_SHOW));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7K Chart Tests");
    s_bStarted = theApp.InitInstance();
    theApp.GetSplashWindow().Close();
  }
  static void TearDownTestSuite() {
    if (theApp.m_pMainWnd) theApp.m_pMainWnd->DestroyWindow();
    theApp.ExitInstance();
  }

  CVikaChartView* Open(const std::string& path) {
    auto* pDoc =
        dynamic_cast<CVikaChartDoc*>(theApp.OpenDocumentFile(path.c_str()));
    if (!pDoc) return nullptr;
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = dynamic_cast<CVikaChartView*>(pDoc->GetNextView(pos));
    if (pView) {
      CFrameWnd* pFrame = pView->GetParentFrame();
      pFrame->ActivateFrame();
      pFrame->SetWindowPos(nullptr, 0, 0, 900, 560, SWP_NOMOVE | SWP_NOZORDER);
    }
    PumpMessages();
    return pView;
  }

  static BOOL s_bStarted;
};

BOOL ChartWindow::s_bStarted = FALSE;

TEST_F(ChartWindow, OpenHoverToggleValidateSortSaveAndPrint) {
  ASSERT_TRUE(s_bStarted);
  const std::string path = WriteProtocol();
  CVikaChartView* pView = Open(path);
  ASSERT_NE(nullptr, pView);
  CVikaChartDoc* pDoc = pView->GetDocument();
  CVikaChartModel* pModel = pDoc->GetModel();
  const int nItems = pModel->GetItems().GetSize();
  ASSERT_GT(nItems, 20);
  EXPECT_EQ(pModel->GetTakeouts().GetSize() + nItems, pView->GetPartCount());
  EXPECT_FALSE(pDoc->IsModified());
  auto* pFrame = dynamic_cast<CVikaChartFrame*>(pView->GetParentFrame());
  ASSERT_NE(nullptr, pFrame);
  CString counts;
  pFrame->GetMainBar().GetDlgItemText(IDC_CHART_COUNTS, counts);
  EXPECT_EQ(0, counts.Find("No. of entries")) << static_cast<LPCTSTR>(counts);
  pView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  ASSERT_TRUE(pView->IsDrawn());

  // Hovering an enabled measurement in view: frame, markers, texts.
  CVikaChartItem* pItem = nullptr;
  for (int i = 0; i < nItems && !pItem; ++i) {
    CVikaChartItem* p = pModel->GetItems()[i];
    if (p->m_rcBox.left < 400 && p->m_rcBox.top < 300 && p->IsEnabled() &&
        !p->GetDuplicates())
      pItem = p;
  }
  ASSERT_NE(nullptr, pItem);
  CPoint point(pItem->m_rcBox.left + 3, pItem->m_rcBox.top + 3);
  pView->LPtoDP(&point);
  pView->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
  auto* pComp = dynamic_cast<CVikaChartComponent*>(pView->GetHighlightedPart());
  ASSERT_NE(nullptr, pComp);
  EXPECT_EQ(pItem, pComp->GetSubject());
  EXPECT_EQ(4, pView->GetMarkerCount());
  CString link;
  pFrame->GetStatusBar().GetDlgItemText(IDC_CHART_TEXT0, link);
  EXPECT_STREQ("Link: ORG", link);
  SaveWindowBitmap(pFrame->GetSafeHwnd(), ShotPath("chart_hover.bmp").c_str(),
                   false);

  // A click toggles it; moving off to a takeout clears the markers.
  pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  EXPECT_FALSE(pItem->IsEnabled());
  EXPECT_TRUE(pDoc->IsModified());
  pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  EXPECT_TRUE(pItem->IsEnabled());
  CVikaCableItem* pTakeout = pModel->GetTakeouts()[2];
  CPoint overTakeout(pTakeout->m_rcBox.left +
                         (pTakeout->m_rcBox.right - pTakeout->m_rcBox.left) / 2,
                     pTakeout->m_rcBox.bottom - 1);
  pView->LPtoDP(&overTakeout);
  pView->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(overTakeout.x, overTakeout.y));
  EXPECT_EQ(0, pView->GetMarkerCount());

  auto* pController =
      dynamic_cast<CVikaChartController*>(pView->GetController());
  ASSERT_NE(nullptr, pController);

  // The planted duplicate: reported, and listed by the duplicates dialog.
  bool bReported = Drive(
      "Protocol Validation",
      [](HWND hWnd) { PostMessageA(hWnd, WM_COMMAND, IDOK, 0); },
      [&] { pController->OnValidate(); });
  EXPECT_TRUE(bReported);
  CVikaChartItem* pDuplicated = nullptr;
  for (int i = 0; i < nItems && !pDuplicated; ++i)
    if (pModel->GetItems()[i]->GetDuplicates())
      pDuplicated = pModel->GetItems()[i];
  ASSERT_NE(nullptr, pDuplicated);
  CPoint overDuplicate(pDuplicated->m_rcBox.left + 3,
                       pDuplicated->m_rcBox.top + 3);
  pView->LPtoDP(&overDuplicate);
  pController->SetContextPoint(overDuplicate);
  LRESULT nLines = 0;
  EXPECT_TRUE(Drive(
      "View Duplicate Measurements",
      [&nLines](HWND hWnd) {
        nLines =
            SendDlgItemMessageA(hWnd, IDC_DUPLICATES_LIST, LB_GETCOUNT, 0, 0);
        PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
      },
      [&] { pController->OnViewDuplicates(); }));
  EXPECT_EQ(2, nLines);
  pController->OnRemoveDuplicates();
  EXPECT_EQ(0, pModel->CountItemsWithDuplicates());
  EXPECT_EQ(pModel->GetTakeouts().GetSize() + pModel->GetItems().GetSize(),
            pView->GetPartCount());

  // Disabling the clicked measurement's depth level through the dialog.
  pView->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
  auto* pHovered =
      dynamic_cast<CVikaChartComponent*>(pView->GetHighlightedPart());
  ASSERT_NE(nullptr, pHovered);
  pItem = pHovered->GetSubject();  // the one hovered first may have been a
                                   // removed duplicate
  // A skip of 11 is refused; the dialog stays until 0 is given.
  EXPECT_TRUE(Drive(
      "Disable Multiple Items",
      [](HWND hWnd) {
        SetDlgItemTextA(hWnd, IDC_STATE_SKIP, "11");
        SendMessageA(hWnd, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(IsWindowVisible(hWnd));
        SetDlgItemTextA(hWnd, IDC_STATE_SKIP, "0");
        Press(hWnd, IDOK);
      },
      [&] { pController->OnDisableMultipleItems(); }));
  int nOnLevel = 0;
  for (int i = 0; i < pModel->GetItems().GetSize(); ++i) {
    const CVikaChartItem* p = pModel->GetItems()[i];
    if (p->GetSection() == kSectionOrg &&
        p->CompareBy(pItem, SortSpec::kDepth) == 0) {
      ++nOnLevel;
      EXPECT_FALSE(p->IsEnabled()) << p->m_nLine;
    }
  }
  EXPECT_GT(nOnLevel, 1);

  // The layout flipped twice is the original.
  std::vector<int> before;
  for (int i = 0; i < pModel->GetItems().GetSize(); ++i)
    before.push_back(pModel->GetItems()[i]->m_nA * 1000 +
                     pModel->GetItems()[i]->m_nM);
  pController->OnLayout();
  CString layout;
  pFrame->GetMainBar().GetDlgItemText(ID_CHART_LAYOUT, layout);
  EXPECT_STREQ("Layout: Reciprocal", layout);
  pController->OnLayout();
  std::vector<int> after;
  for (int i = 0; i < pModel->GetItems().GetSize(); ++i)
    after.push_back(pModel->GetItems()[i]->m_nA * 1000 +
                    pModel->GetItems()[i]->m_nM);
  EXPECT_EQ(before, after);

  // Sort by depth descending, optimise (answered Yes).
  EXPECT_TRUE(Drive(
      "Sort Measurements",
      [](HWND hWnd) {
        // Nothing stored yet: "(none)", ascending, enabled first.
        EXPECT_EQ(0,
                  SendDlgItemMessageA(hWnd, IDC_SORT_KEY2, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(hWnd, IDC_SORT_DIR3));
        EXPECT_EQ(BST_CHECKED,
                  IsDlgButtonChecked(hWnd, IDC_SORT_ENABLED_FIRST));
        SendDlgItemMessageA(hWnd, IDC_SORT_KEY1, CB_SETCURSEL, 6, 0);
        CheckRadioButton(hWnd, IDC_SORT_DIR1, IDC_SORT_DIR1_DESC,
                         IDC_SORT_DIR1_DESC);
        Press(hWnd, IDOK);
      },
      [&] { pController->OnSortMeasurements(); }));
  const CVikaChartItemArray& items = pModel->GetItems();
  EXPECT_GE(items[0]->GetDepth(), items[items.GetSize() - 1]->GetDepth());
  pController->OnOptimizeNow();

  // Saved through the protocol files and read back.
  const int nEnabled = pModel->GetCount(0);
  ASSERT_TRUE(pDoc->OnSaveDocument(path.c_str()));
  EXPECT_FALSE(pDoc->IsModified());
  EXPECT_EQ(-1, pDoc->GetTitle().Find("Modified"));
  CVikaChartModel reread;
  ASSERT_TRUE(reread.OpenProtocolFiles(path.c_str()));
  EXPECT_EQ(nEnabled, reread.GetCount(0));
  EXPECT_EQ(0, reread.Validate());

  // Saved under another name: three text files, which open as a chart;
  // the first protocol is untouched.
  const std::string copy = path.substr(0, path.size() - 6) + "COPY.ORG";
  const std::string original = charttest::ReadFile(path);
  ASSERT_TRUE(pDoc->DoSave(copy.c_str()));
  EXPECT_EQ(original, charttest::ReadFile(path));
  EXPECT_EQ(0, charttest::ReadFile(copy).find("5\r\n"));
  EXPECT_TRUE(charttest::FileExists(copy.substr(0, copy.size() - 4) + ".UP"));
  EXPECT_EQ(pDoc->GetPathName().GetLength() - 8,
            pDoc->GetPathName().Find("COPY.ORG"));

  // Zooming in keeps the middle in the middle (once the chart is larger
  // than the window, so the scroll limits do not move it).
  for (int i = 0; i < 5; ++i) pController->OnZoomIn();
  const CSize chart = pView->GetChartSize();
  pView->CenterOn(chart.cx / 2, chart.cy / 2);
  const CPoint middle = pView->GetLogicalBounds().CenterPoint();
  pController->OnZoomIn();
  const CPoint zoomed = pView->GetLogicalBounds().CenterPoint();
  EXPECT_NEAR(middle.x, zoomed.x, 3);
  EXPECT_NEAR(middle.y, zoomed.y, 3);
  pController->OnZoomReset();
  SaveWindowBitmap(pFrame->GetSafeHwnd(), ShotPath("chart_window.bmp").c_str());

  // Printed into a page-sized bitmap: the header and the chart are drawn.
  CDC screen;
  screen.Attach(::GetDC(nullptr));
  CDC page;
  page.Attach(::CreateCompatibleDC(screen.m_hDC));
  CBitmap bitmap;
  bitmap.Attach(::CreateCompatibleBitmap(screen.m_hDC, 1100, 1500));
  {
    CSelectObjectScope selectBitmap(page, bitmap);
    ::PatBlt(page.m_hDC, 0, 0, 1100, 1500, WHITENESS);
    CPrintInfo info;
    EXPECT_TRUE(pView->PrintTo(&page, &info, CRect(0, 0, 1100, 1500)));
    EXPECT_GT(info.m_rectDraw.top, 20) << "the chart goes below the header";
    EXPECT_GT(pView->GetLastDrawCount(), 0);
  }
  ::ReleaseDC(nullptr, screen.Detach());
  EXPECT_GT(CountInk(page, bitmap, 1100, 1500), 2000);
  WriteBitmap(page, bitmap, 1100, 1500, ShotPath("chart_print.bmp"));

  pDoc->OnCloseDocument();
  PumpMessages();
}

TEST_F(ChartWindow, ScrollBarsMoveTheChartWithArrowsTroughAndThumb) {
  ASSERT_TRUE(s_bStarted);
  CVikaChartView* pView = Open(WriteProtocol());
  ASSERT_NE(nullptr, pView);
  auto* pController =
      dynamic_cast<CVikaChartController*>(pView->GetController());
  ASSERT_NE(nullptr, pController);
  for (int i = 0; i < 8; ++i) pController->OnZoomIn();
  PumpMessages();

  using Part = ScrollBarPart;
  const struct {
    const char* pszCase;
    int nBar;
    Part part;
  } cases[] = {
      {"right arrow", SB_HORZ, Part::ArrowOn},
      {"right trough", SB_HORZ, Part::TroughOn},
      {"horizontal thumb", SB_HORZ, Part::Thumb},
      {"left arrow", SB_HORZ, Part::ArrowBack},
      {"down arrow", SB_VERT, Part::ArrowOn},
      {"lower trough", SB_VERT, Part::TroughOn},
      {"vertical thumb", SB_VERT, Part::Thumb},
      {"up arrow", SB_VERT, Part::ArrowBack},
  };
  for (const auto& c : cases) {
    CScrollBar* pBar = pView->GetScrollBarCtrl(c.nBar);
    ASSERT_NE(nullptr, pBar) << c.pszCase;
    ASSERT_GT(pBar->GetScrollLimit(), 0)
        << c.pszCase << ": the chart is larger than the window";
    const bool bHorz = c.nBar == SB_HORZ;
    const int nBefore = pBar->GetScrollPos();
    const CPoint before = pView->GetLogicalOrigin();
    PressOnScrollBar(pBar->m_hWnd, c.part);
    PumpMessages();

    const int nAfter = pBar->GetScrollPos();
    if (c.part == Part::ArrowBack)
      EXPECT_LT(nAfter, nBefore) << c.pszCase;
    else
      EXPECT_GT(nAfter, nBefore) << c.pszCase;
    const CPoint after = pView->GetLogicalOrigin();
    EXPECT_NE(bHorz ? before.x : before.y, bHorz ? after.x : after.y)
        << c.pszCase << ": the chart moves";
    CSize device(after.x, after.y);
    pView->LPtoDP(&device);
    CSize unit(1, 1);
    pView->LPtoDP(&unit);
    EXPECT_NEAR(nAfter, std::abs(bHorz ? device.cx : device.cy),
                std::abs(bHorz ? unit.cx : unit.cy))
        << c.pszCase << ": the chart is where the bar shows it";
  }
  pView->GetDocument()->OnCloseDocument();
  PumpMessages();
}

// What a user reads: a validation that finds nothing says so, duplicates
// are listed in the status bar's metres, the address file label is spelt
// right, and the saved protocol has CR LF line ends.
TEST_F(ChartWindow, ValidationDuplicatesLabelsAndSavedLinesSpeakPlainly) {
  ASSERT_TRUE(s_bStarted);
  const std::string path = WriteProtocol();
  CVikaChartView* pView = Open(path);
  ASSERT_NE(nullptr, pView);
  CVikaChartModel* pModel = pView->GetDocument()->GetModel();
  auto* pFrame = dynamic_cast<CVikaChartFrame*>(pView->GetParentFrame());
  auto* pController =
      dynamic_cast<CVikaChartController*>(pView->GetController());
  ASSERT_NE(nullptr, pController);
  ASSERT_NE(nullptr, pFrame);

  std::string labels;
  for (CWnd* pChild = pFrame->GetMainBar().GetWindow(GW_CHILD); pChild;
       pChild = pChild->GetWindow(GW_HWNDNEXT)) {
    CString text;
    pChild->GetWindowText(text);
    labels += std::string(text) + "|";
  }
  EXPECT_NE(std::string::npos, labels.find("Address File:")) << labels;
  EXPECT_EQ(std::string::npos, labels.find("Adress")) << labels;

  // Take-outs 2.5 m apart, the ORG layout from x = 10 m, typed into the bar.
  pFrame->GetMainBar().SetDlgItemText(IDC_CHART_SEPARATION, "2.5");
  pFrame->GetMainBar().SetDlgItemText(IDC_CHART_XPOS, "10");
  EXPECT_TRUE(Drive(
      "Protocol Validation",
      [](HWND hWnd) { PostMessageA(hWnd, WM_COMMAND, IDOK, 0); },
      [&] { pController->OnValidate(); }));
  CVikaChartItem* pDuplicated = nullptr;
  for (int i = 0; i < pModel->GetItems().GetSize() && !pDuplicated; ++i)
    if (pModel->GetItems()[i]->GetDuplicates())
      pDuplicated = pModel->GetItems()[i];
  ASSERT_NE(nullptr, pDuplicated);
  CPoint over(pDuplicated->m_rcBox.left + 3, pDuplicated->m_rcBox.top + 3);
  pView->LPtoDP(&over);
  pView->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
  CString midpoint;
  pFrame->GetStatusBar().GetDlgItemText(IDC_CHART_TEXT6, midpoint);
  pController->SetContextPoint(over);
  std::string first;
  EXPECT_TRUE(Drive(
      "View Duplicate Measurements",
      [&first](HWND hWnd) {
        char szLine[256] = "";
        SendDlgItemMessageA(hWnd, IDC_DUPLICATES_LIST, LB_GETTEXT, 0,
                            reinterpret_cast<LPARAM>(szLine));
        first = szLine;
        PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
      },
      [&] { pController->OnViewDuplicates(); }));
  const std::string shown = static_cast<LPCTSTR>(midpoint);
  ASSERT_NE(std::string::npos, shown.find('\t')) << shown;
  const std::string metres = shown.substr(shown.find('\t') + 1);
  EXPECT_NE(std::string::npos, first.find("X=" + metres)) << first << " / " << shown;

  pController->OnRemoveDuplicates();
  std::string said;
  EXPECT_TRUE(Drive(
      "Protocol Validation",
      [&said](HWND hWnd) {
        char szText[256] = "";
        GetDlgItemTextA(hWnd, 0xFFFF, szText, sizeof szText);
        said = szText;
        PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
      },
      [&] { pController->OnValidate(); }))
      << "a validation that finds nothing says so";
  EXPECT_NE(std::string::npos, said.find("No duplicate")) << said;

  ASSERT_TRUE(pView->GetDocument()->OnSaveDocument(path.c_str()));
  const std::string saved = charttest::ReadFile(path);
  size_t nCrLf = 0;
  for (size_t at = saved.find("\r\n"); at != std::string::npos;
       at = saved.find("\r\n", at + 2))
    ++nCrLf;
  EXPECT_GT(nCrLf, 2u);
  EXPECT_EQ(static_cast<size_t>(std::count(saved.begin(), saved.end(), '\n')),
            nCrLf)
      << "every line ends in CR LF";
  pView->GetDocument()->OnCloseDocument();
  PumpMessages();
}

TEST_F(ChartWindow, TheMainBarShowsEveryControlInANarrowWindow) {
  ASSERT_TRUE(s_bStarted);
  CVikaChartView* pView = Open(WriteProtocol());
  ASSERT_NE(nullptr, pView);
  auto* pFrame = dynamic_cast<CVikaChartFrame*>(pView->GetParentFrame());
  ASSERT_NE(nullptr, pFrame);
  for (int nWidth : {560, 900}) {
    pFrame->SetWindowPos(nullptr, 0, 0, nWidth, 500, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    CVikaChartMainDialogBar& bar = pFrame->GetMainBar();
    CRect rcBar, rcFrame, rcView;
    bar.GetWindowRect(&rcBar);
    pFrame->GetClientRect(&rcFrame);
    pFrame->ClientToScreen(&rcFrame);
    pView->GetWindowRect(&rcView);
    for (CWnd* pChild = bar.GetWindow(GW_CHILD); pChild;
         pChild = pChild->GetWindow(GW_HWNDNEXT)) {
      CString text;
      pChild->GetWindowText(text);
      CRect rc;
      pChild->GetWindowRect(&rc);
      CRect shown;
      shown.IntersectRect(&rc, &rcBar);
      shown.IntersectRect(&shown, &rcFrame);
      EXPECT_EQ(rc, shown) << nWidth << ": \"" << static_cast<LPCTSTR>(text)
                           << "\" is cut";
    }
    EXPECT_LE(rcBar.bottom, rcView.top) << nWidth << ": the chart below the bar";
    if (nWidth == 560)
      SaveWindowBitmap(pFrame->GetSafeHwnd(), ShotPath("chart_narrow.bmp").c_str());
  }
  pView->GetDocument()->OnCloseDocument();
  PumpMessages();
}

// Paints the window's client magenta behind its back, has it repaint itself
// and counts the magenta pixels left: each is one it never paints.
int UnpaintedPixels(HWND hWnd) {
  const COLORREF kStale = RGB(255, 0, 255);
  RECT rc = {};
  GetClientRect(hWnd, &rc);
  HDC hDC = GetDC(hWnd);
  HBRUSH hBrush = CreateSolidBrush(kStale);
  FillRect(hDC, &rc, hBrush);
  DeleteObject(hBrush);
  ReleaseDC(hWnd, hDC);
  RedrawWindow(hWnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages();
  hDC = GetDC(hWnd);
  int nStale = 0;
  for (int y = 0; y < rc.bottom; y += 3)
    for (int x = 0; x < rc.right; x += 3)
      nStale += GetPixel(hDC, x, y) == kStale;
  ReleaseDC(hWnd, hDC);
  return nStale;
}

// The screen's pixels over the window as the program left them.
std::vector<COLORREF> ScreenPixels(HWND hWnd) {
  RECT rc = {};
  GetWindowRect(hWnd, &rc);
  HDC hScreen = GetDC(nullptr);
  std::vector<COLORREF> pixels;
  for (int y = rc.top; y < rc.bottom; y += 3)
    for (int x = rc.left; x < rc.right; x += 3)
      pixels.push_back(GetPixel(hScreen, x, y));
  ReleaseDC(nullptr, hScreen);
  return pixels;
}

// Pixels the program left on the screen that a full repaint changes.
int StalePixels(HWND hWnd) {
  PumpMessages();
  const std::vector<COLORREF> left = ScreenPixels(hWnd);
  RedrawWindow(hWnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                   RDW_UPDATENOW);
  PumpMessages();
  const std::vector<COLORREF> repainted = ScreenPixels(hWnd);
  int nStale = 0;
  for (size_t i = 0; i < left.size() && i < repainted.size(); ++i)
    nStale += left[i] != repainted[i];
  return nStale;
}

// Pixels that the view's plain repaint shows differently from a chart
// drawn afresh: what its off-screen picture kept from before.
int OutdatedPixels(CVikaChartView* pView) {
  pView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  const std::vector<COLORREF> shown = ScreenPixels(pView->m_hWnd);
  pView->MvcVisualPart::Invalidate(FALSE, TRUE);
  PumpMessages();
  const std::vector<COLORREF> fresh = ScreenPixels(pView->m_hWnd);
  int nOutdated = 0;
  for (size_t i = 0; i < shown.size() && i < fresh.size(); ++i)
    nOutdated += shown[i] != fresh[i];
  return nOutdated;
}

TEST_F(ChartWindow, TheChartRepaintsAllOfItsWindowAfterTilingAndClosing) {
  ASSERT_TRUE(s_bStarted);
  const std::string path = WriteProtocol();
  const std::string other = path.substr(0, path.size() - 6) + "DD2.ORG";
  charttest::WriteFile(other, charttest::ReadFile(path));
  CVikaChartView* pFirst = Open(path);
  ASSERT_NE(nullptr, pFirst);
  CVikaChartView* pSecond = Open(other);
  ASSERT_NE(nullptr, pSecond);
  ASSERT_NE(pFirst, pSecond);
  HWND hClient = ::GetParent(pFirst->GetParentFrame()->GetSafeHwnd());
  EXPECT_EQ(0, UnpaintedPixels(pSecond->m_hWnd)) << "opened";
  theApp.m_pMainWnd->SendMessage(WM_COMMAND, ID_WINDOW_TILE_HORZ);
  EXPECT_EQ(0, StalePixels(hClient)) << "tiled";
  EXPECT_EQ(0, OutdatedPixels(pFirst)) << "tiled";
  pSecond->GetDocument()->OnCloseDocument();
  EXPECT_EQ(0, StalePixels(hClient)) << "closed";
  theApp.m_pMainWnd->SendMessage(WM_COMMAND, ID_WINDOW_TILE_VERT);
  EXPECT_EQ(0, StalePixels(hClient)) << "closed and tiled";
  EXPECT_EQ(0, OutdatedPixels(pFirst)) << "closed and tiled";
  EXPECT_EQ(0, UnpaintedPixels(pFirst->m_hWnd)) << "repainted";
  pFirst->GetDocument()->OnCloseDocument();
  PumpMessages();
}

// Protocols the chart cannot read properly: whatever opens, or nothing, no
// window shows pixels it did not paint.
TEST_F(ChartWindow, AProtocolThatCannotBeReadShowsNoForeignPixels) {
  ASSERT_TRUE(s_bStarted);
  const std::string path = WriteProtocol();
  const std::string folder = path.substr(0, path.size() - 6);
  const struct {
    const char* pszFile;
    std::string text;
  } cases[] = {
      {"GARBAGE.ORG", "\x7f\x01garbage ~?S\x02\n\x03\x04 more\n"},
      {"BADADR.ORG", "5\nNOSUCH.ADR\t//Address File\n1 4 2 3\n"},
  };
  for (const auto& c : cases) {
    charttest::WriteFile(folder + c.pszFile, c.text);
    CVikaChartView* pView = Open(folder + c.pszFile);
    PumpMessages();
    if (pView) {
      EXPECT_EQ(0, UnpaintedPixels(pView->m_hWnd)) << c.pszFile;
      pView->GetDocument()->OnCloseDocument();
    }
    PumpMessages();
  }
}

// The colours of the view's pixels in a logical band across the chart.
std::vector<COLORREF> BandPixels(CVikaChartView* pView, int nTop, int nBottom) {
  CRect band(0, nTop, 0, nBottom);
  pView->LPtoDP(&band);
  band.NormalizeRect();
  CRect client;
  pView->GetClientRect(&client);
  std::vector<COLORREF> pixels;
  HDC hDC = ::GetDC(pView->m_hWnd);
  for (int y = band.top; y < band.bottom; ++y)
    for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(hDC, x, y));
  ::ReleaseDC(pView->m_hWnd, hDC);
  return pixels;
}

TEST_F(ChartWindow, ElectrodeLabelsShownOnHoverLeaveTheCablesDrawn) {
  ASSERT_TRUE(s_bStarted);
  CVikaChartView* pView = Open(WriteProtocol());
  ASSERT_NE(nullptr, pView);
  pView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  CVikaChartModel* pModel = pView->GetDocument()->GetModel();
  CVikaChartItem* pItem = nullptr;
  for (int i = 0; i < pModel->GetItems().GetSize() && !pItem; ++i) {
    CVikaChartItem* p = pModel->GetItems()[i];
    if (p->m_rcBox.left > 60 && p->m_rcBox.left < 400 && p->m_rcBox.top < 300)
      pItem = p;
  }
  ASSERT_NE(nullptr, pItem);
  // The three cable rows lie between 23 and 51 units down.
  const std::vector<COLORREF> before = BandPixels(pView, 23, 51);
  CPoint point(pItem->m_rcBox.left + 3, pItem->m_rcBox.top + 3);
  pView->LPtoDP(&point);
  pView->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
  PumpMessages();
  ASSERT_EQ(4, pView->GetMarkerCount());
  const std::vector<COLORREF> after = BandPixels(pView, 23, 51);
  ASSERT_EQ(before.size(), after.size());
  int nWiped = 0;
  for (size_t i = 0; i < before.size(); ++i)
    nWiped += before[i] != RGB(255, 255, 255) && after[i] == RGB(255, 255, 255);
  EXPECT_EQ(0, nWiped) << "cable pixels painted over by the markers";
  const std::vector<COLORREF> labels = BandPixels(pView, 0, 23);
  EXPECT_NE(labels.end(), std::find(labels.begin(), labels.end(), RGB(0, 0, 0)))
      << "the labels above the cables";
  SaveWindowBitmap(pView->GetParentFrame()->GetSafeHwnd(),
                   ShotPath("chart_hover_labels.bmp").c_str(), false);
  pView->GetDocument()->OnCloseDocument();
  PumpMessages();
}

TEST_F(ChartWindow, MenuHasPrintingAndTheChartCommands) {
  HMENU hMenu = LoadMenuA(GetModuleHandleA(nullptr),
                          MAKEINTRESOURCEA(IDR_VIKA_PROTOCOL_TYPE));
  ASSERT_NE(nullptr, hMenu);
  char szText[64] = "";
  GetMenuStringA(hMenu, ID_FILE_PRINT, szText, sizeof szText, MF_BYCOMMAND);
  EXPECT_STREQ("&Print...", szText);
  GetMenuStringA(hMenu, 2, szText, sizeof szText, MF_BYPOSITION);
  EXPECT_STREQ("&Chart", szText);
  DestroyMenu(hMenu);
}

}  // namespace
