#include "framework/Framework.h"
#include "chart/VikaChartMainDialogBar.h"
#include "chart/ChartTexts.h"
#include "chart/VikaChartModel.h"
#include "res/ChartRes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CVikaChartMainDialogBar, CDialogBar)

BEGIN_MESSAGE_MAP(CVikaChartMainDialogBar, CDialogBar)
ON_MESSAGE(WM_INITDIALOG, OnInitDialog)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// The control's number, or fallback when its text is not one.
double ReadNumber(CWnd* pBar, int nId, double fallback) {
  CString text;
  pBar->GetDlgItemText(nId, text);
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  if (end == static_cast<LPCTSTR>(text) || !std::isfinite(value))
    return fallback;
  return value;
}

}  // namespace

CVikaChartMainDialogBar::CVikaChartMainDialogBar() : m_strSeparation("2.0") {}

LRESULT CVikaChartMainDialogBar::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  if (!HandleInitDialog(wParam, lParam)) return FALSE;
  CRect client;
  GetClientRect(&client);
  m_nTemplateHeight = client.Height();
  for (CWnd* pChild = GetWindow(GW_CHILD); pChild;
       pChild = pChild->GetWindow(GW_HWNDNEXT)) {
    CRect place;
    pChild->GetWindowRect(&place);
    ScreenToClient(&place);
    m_templatePlaces.emplace_back(pChild->GetSafeHwnd(), place);
  }
  ShowFields();
  return TRUE;
}

ChartBarPlaces CVikaChartMainDialogBar::PlacesFor(int nWidth) const {
  std::vector<CRect> places;
  for (const auto& control : m_templatePlaces) places.push_back(control.second);
  return ChartBarLayout::Wrap(places, nWidth, m_nTemplateHeight);
}

CSize CVikaChartMainDialogBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  CSize size = CDialogBar::CalcDynamicLayout(nLength, nMode);
  CFrameWnd* pFrame = GetDockingFrame();
  if (!pFrame || m_templatePlaces.empty() || !(nMode & LM_HORZDOCK))
    return size;
  CRect frame;
  pFrame->GetClientRect(&frame);
  if (frame.Width() <= 0) return size;
  // The bar's borders take a little of the frame's width.
  CRect inside(0, 0, 0, 0);
  CalcInsideRect(inside, TRUE);
  const int rows = PlacesFor(frame.Width() + inside.Width()).rows;
  size.cx = std::min(static_cast<int>(size.cx), static_cast<int>(frame.Width()));
  size.cy += (rows - 1) * m_nTemplateHeight;
  return size;
}

void CVikaChartMainDialogBar::OnSize(UINT nType, int cx, int cy) {
  CDialogBar::OnSize(nType, cx, cy);
  if (m_templatePlaces.empty() || cx <= 0) return;
  const ChartBarPlaces places = PlacesFor(cx);
  for (size_t i = 0; i < m_templatePlaces.size(); ++i) {
    const CRect& place = places.controls[i];
    ::SetWindowPos(m_templatePlaces[i].first, nullptr, place.left, place.top,
                   0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Invalidate();
}

void CVikaChartMainDialogBar::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_CHART_ADDRESS_FILE, m_strAddressFile);
  DDX_CBString(pDX, IDC_CHART_SEPARATION, m_strSeparation);
  DDX_Text(pDX, IDC_CHART_XPOS, m_dXPos);
  DDX_Text(pDX, IDC_CHART_COUNTS, m_strCounts);
  DDX_Text(pDX, IDC_CHART_ARRAY_TYPE, m_strArrayType);
  DDX_Check(pDX, ID_CHART_AUTO_SORT, m_bAutoSort);
  DDX_Text(pDX, IDC_CHART_GRID_X, m_strGridX);
  DDX_Text(pDX, IDC_CHART_GRID_Y, m_strGridY);
  DDX_Check(pDX, ID_CHART_SHOW_INDEX, m_bShowIndex);
  DDX_Check(pDX, ID_CHART_LAYOUT, m_bReciprocal);
}

void CVikaChartMainDialogBar::ShowFields() {
  if (m_hWnd) UpdateData(FALSE);
}

void CVikaChartMainDialogBar::ReadControls() {
  if (!m_hWnd) return;
  const double separation =
      ReadNumber(this, IDC_CHART_SEPARATION, GetSeparation());
  if (separation > 0) m_strSeparation = ChartTexts::Separation(separation);
  m_dXPos = ReadNumber(this, IDC_CHART_XPOS, m_dXPos);
  m_bAutoSort = IsDlgButtonChecked(ID_CHART_AUTO_SORT) == BST_CHECKED;
  m_bShowIndex = IsDlgButtonChecked(ID_CHART_SHOW_INDEX) == BST_CHECKED;
}

void CVikaChartMainDialogBar::UpdateCounts(int orgEnabled, int upEnabled,
                                           int dwnEnabled, int orgAll,
                                           int upAll, int dwnAll) {
  m_strCounts = ChartTexts::Counts(orgEnabled, upEnabled, dwnEnabled, orgAll,
                                   upAll, dwnAll);
  ShowFields();
}

void CVikaChartMainDialogBar::SetSeparation(double value) {
  m_strSeparation = ChartTexts::Separation(value);
}
double CVikaChartMainDialogBar::GetSeparation() {
  return ChartTexts::ParseDouble(m_strSeparation);
}
void CVikaChartMainDialogBar::SetGridX(int value) {
  m_strGridX = ChartTexts::Grid('X', value);
}
int CVikaChartMainDialogBar::GetGridX() {
  return ChartTexts::ParseGrid(m_strGridX);
}
void CVikaChartMainDialogBar::SetGridY(int value) {
  m_strGridY = ChartTexts::Grid('Y', value);
}
int CVikaChartMainDialogBar::GetGridY() {
  return ChartTexts::ParseGrid(m_strGridY);
}

void CVikaChartMainDialogBar::SetLayout(BOOL bReciprocal) {
  m_bReciprocal = bReciprocal ? 1 : 0;
  if (m_hWnd) SetDlgItemText(ID_CHART_LAYOUT, ChartTexts::Layout(bReciprocal));
}

void CVikaChartMainDialogBar::TransferData(BOOL bToModel) {
  if (!m_pModel) return;
  ChartProperties& properties = m_pModel->GetProperties();
  if (!bToModel) {
    SetSeparation(properties.m_dTakeoutSeparation);
    SetXPos(properties.m_dOrgPosition);
    SetAutoSortOptimize(properties.m_bAutoSort);
    SetGridX(static_cast<int>(properties.m_dGridX));
    SetGridY(static_cast<int>(properties.m_dGridY));
    SetShowIndex(properties.m_bShowIndex);
    SetLayout(properties.m_bReciprocalLayout);
    ShowFields();
    return;
  }
  ReadControls();
  // The grid and the layout change only through their own commands.
  if (GetSeparation() > 0) properties.m_dTakeoutSeparation = GetSeparation();
  properties.m_dOrgPosition = GetXPos();
  properties.m_bAutoSort = static_cast<int>(GetAutoSortOptimize());
  properties.m_bShowIndex = GetShowIndex();
  properties.m_bReciprocalLayout = GetLayout();
}
