#include "framework/Framework.h"
#include "chart/VikaChartController.h"
#include "app/dialogs/ChangeGridDlg.h"
#include "chart/ChartCommands.h"
#include "chart/ChartTexts.h"
#include "chart/VikaChartComponents.h"
#include "chart/VikaChartDoc.h"
#include "chart/VikaChartFrame.h"
#include "chart/VikaChartItemStateDlg.h"
#include "chart/VikaChartSortDlg.h"
#include "chart/VikaChartView.h"
#include "chart/VikaDuplicatesDlg.h"
#include "design/projects/VikaAddressDlg.h"
#include "design/projects/VikaProtocolDlg.h"
#include "design/projects/VikaProtocolInfo.h"
#include "framework/HostServices.h"
#include "res/ChartRes.h"

#include <memory>

BEGIN_MESSAGE_MAP(CVikaChartController, MvcController)
ON_WM_CONTEXTMENU()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_UPDATE_COMMAND_UI(ID_CHART_148, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_CHART_149, OnUpdateAlways)
ON_COMMAND(ID_CHART_ZOOM_IN, OnZoomIn)
ON_COMMAND(ID_CHART_ZOOM_OUT, OnZoomOut)
ON_COMMAND(ID_CHART_ZOOM_RESET, OnZoomReset)
ON_COMMAND(ID_CHART_EDIT_ORG, OnEditOrg)
ON_UPDATE_COMMAND_UI(ID_CHART_EDIT_ORG, OnUpdateEditOrg)
ON_COMMAND(ID_CHART_EDIT_UP, OnEditUp)
ON_UPDATE_COMMAND_UI(ID_CHART_EDIT_UP, OnUpdateEditUp)
ON_COMMAND(ID_CHART_EDIT_DWN, OnEditDwn)
ON_UPDATE_COMMAND_UI(ID_CHART_EDIT_DWN, OnUpdateEditDwn)
ON_WM_MOUSEMOVE()
ON_COMMAND(ID_CHART_EDIT_ADR, OnEditAdrFile)
ON_COMMAND(ID_CHART_VALIDATE, OnValidate)
ON_COMMAND(ID_CHART_VIEW_DUPLICATES, OnViewDuplicates)
ON_UPDATE_COMMAND_UI(ID_CHART_VIEW_DUPLICATES, OnUpdateViewDuplicates)
ON_COMMAND(ID_CHART_REFRESH, OnRefresh)
ON_COMMAND(ID_CHART_ENABLE_TAKEOUT, OnEnableTakeout)
ON_COMMAND(ID_CHART_DISABLE_TAKEOUT, OnDisableTakeout)
ON_COMMAND(ID_CHART_REMOVE_DUPLICATES, OnRemoveDuplicates)
ON_UPDATE_COMMAND_UI(ID_CHART_REMOVE_DUPLICATES, OnUpdateRemoveDuplicates)
ON_COMMAND(ID_CHART_OPTIMIZE, OnOptimizeNow)
ON_UPDATE_COMMAND_UI(ID_CHART_OPTIMIZE, OnUpdateManualSort)
ON_COMMAND(ID_CHART_CHANGE_GRID, OnChangeGrid)
ON_COMMAND(ID_CHART_ENABLE_ITEMS, OnEnableMultipleItems)
ON_UPDATE_COMMAND_UI(ID_CHART_ENABLE_ITEMS, OnUpdateMultipleItems)
ON_COMMAND(ID_CHART_DISABLE_ITEMS, OnDisableMultipleItems)
ON_UPDATE_COMMAND_UI(ID_CHART_DISABLE_ITEMS, OnUpdateMultipleItems)
ON_COMMAND(ID_CHART_SORT, OnSortMeasurements)
ON_UPDATE_COMMAND_UI(ID_CHART_SORT, OnUpdateManualSort)
ON_COMMAND(ID_CHART_AUTO_SORT, OnAutoSortOptimize)
ON_COMMAND(ID_CHART_SHOW_INDEX, OnShowIndex)
ON_COMMAND(ID_CHART_LAYOUT, OnLayout)
END_MESSAGE_MAP()

namespace {

const char* SectionExtension(int nSection) {
  switch (nSection) {
    case 1:
      return ".ORG";
    case 2:
      return ".UP";
    case 4:
      return ".DWN";
    default:
      return "";
  }
}

// Folder (with its last separator) and protocol name of a document path.
void SplitProtocolPath(const CString& path, CString& folder, CString& name) {
  int slash = path.ReverseFind('\\');
  const int other = path.ReverseFind('/');
  if (other > slash) slash = other;
  folder = path.Left(slash + 1);
  name = path.Mid(slash + 1);
  const int dot = name.Find('.');
  if (dot >= 0) name = name.Left(dot);
}

bool FileExists(const CString& path) {
  return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

int AskYesNo(LPCTSTR question) {
  return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION);
}

}  // namespace

CVikaChartViewport* CVikaChartController::GetViewport() const {
  return dynamic_cast<CVikaChartViewport*>(GetVisualComponent());
}

CVikaChartModel* CVikaChartController::GetChartModel() const {
  return dynamic_cast<CVikaChartModel*>(GetModel());
}

CVikaChartFrame* CVikaChartController::GetActiveChartFrame() {
  // The frame of the view this controller serves; the main window's active
  // frame would be another chart's when several are open.
  CWnd* pHost = GetHostWnd();
  if (pHost && pHost->GetSafeHwnd()) {
    if (auto* pFrame = dynamic_cast<CVikaChartFrame*>(pHost->GetParentFrame()))
      return pFrame;
  }
  auto* pMain = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
  return pMain ? dynamic_cast<CVikaChartFrame*>(pMain->GetActiveFrame())
               : nullptr;
}

CVikaChartView* CVikaChartController::GetChartView() {
  if (auto* pView = dynamic_cast<CVikaChartView*>(GetHostWnd())) return pView;
  CVikaChartFrame* pFrame = GetActiveChartFrame();
  return pFrame ? dynamic_cast<CVikaChartView*>(pFrame->GetActiveView())
                : nullptr;
}

CDocument* CVikaChartController::GetChartDocument() {
  CVikaChartView* pView = GetChartView();
  return pView ? pView->GetDocument() : nullptr;
}

void CVikaChartController::UpdateDialogBar() {
  CVikaChartFrame* pFrame = GetActiveChartFrame();
  CVikaChartModel* pModel = GetChartModel();
  if (!pFrame || !pModel) return;
  CVikaChartMainDialogBar& bar = pFrame->GetMainBar();
  bar.SetAddressFile(pModel->GetAddressMap()
                         ? pModel->GetAddressMap()->m_strFileName
                         : CString());
  bar.SetArrayType(pModel->GetLayout() ? pModel->GetLayout()->GetName()
                                       : CString());
  bar.UpdateCounts(pModel->GetCount(0), pModel->GetCount(1),
                   pModel->GetCount(2), pModel->GetCount(3),
                   pModel->GetCount(4), pModel->GetCount(5));
}

MvcVisualPart* CVikaChartController::PartAtContextPoint() {
  CVikaChartViewport* pViewport = GetViewport();
  return pViewport ? pViewport->FindPartAt(m_ptContext) : nullptr;
}

void CVikaChartController::OnUpdateHitCommand(CCmdUI* pCmdUI) {
  pCmdUI->Enable(PartAtContextPoint() != nullptr);
}

void CVikaChartController::HitTestContextPoint() {
  if (MvcVisualPart* pPart = PartAtContextPoint()) m_pLastHit = pPart;
}

void CVikaChartController::BarToModel() {
  if (CVikaChartFrame* pFrame = GetActiveChartFrame())
    pFrame->GetMainBar().TransferData(TRUE);
}

void CVikaChartController::GetInfoText(CVikaChartFrame* pFrame,
                                       MvcVisualPart* pPart) {
  CVikaChartModel* pModel = GetChartModel();
  if (!pFrame || !pModel) return;
  pFrame->GetMainBar().TransferData(TRUE);
  const double s = pModel->GetProperties().m_dTakeoutSeparation;
  const double o = pModel->GetProperties().m_dOrgPosition;
  CVikaChartStatusDialogBar& bar = pFrame->GetStatusBar();
  if (auto* pComp = dynamic_cast<CVikaChartComponent*>(pPart)) {
    if (!pComp->GetSubject()) return;
    bar.SetTexts(ChartTexts::ForItem(*pComp->GetSubject(), s, o));
  } else if (auto* pCable = dynamic_cast<CVikaCableComponent*>(pPart)) {
    if (!pCable->IsEnabled()) return;
    bar.SetTexts(ChartTexts::ForTakeout(*pCable->GetSubject(), s, o));
  } else {
    return;
  }
  bar.ShowFields();
}

void CVikaChartController::OnContextMenu(CWnd*, CPoint point) {
  CWnd* pHost = GetHostWnd();
  if (!pHost) return;
  CPoint menuPoint = point;
  m_ptContext = point;
  if (point.x == -1 && point.y == -1) {
    m_ptContext = CPoint(5, 5);
    menuPoint = m_ptContext;
    pHost->ClientToScreen(&menuPoint);
  } else {
    pHost->ScreenToClient(&m_ptContext);
  }
  CMenu menu;
  if (!menu.LoadMenu(IDM_CHART_CONTEXT)) return;
  CMenu* pPopup = menu.GetSubMenu(0);
  if (!pPopup) return;
  MvcVisualPart* pPart = PartAtContextPoint();
  if (dynamic_cast<CVikaCableComponent*>(pPart)) {
    pPopup->InsertMenu(ID_FILE_PRINT_PREVIEW, MF_BYCOMMAND | MF_STRING,
                       ID_CHART_DISABLE_TAKEOUT, "Disable Takeout");
    pPopup->InsertMenu(ID_CHART_DISABLE_TAKEOUT, MF_BYCOMMAND | MF_STRING,
                       ID_CHART_ENABLE_TAKEOUT, "Enable Takeout");
    pPopup->InsertMenu(ID_FILE_PRINT_PREVIEW, MF_BYCOMMAND | MF_SEPARATOR, 0,
                       nullptr);
  } else if (dynamic_cast<CVikaChartComponent*>(pPart)) {
    pPopup->InsertMenu(ID_CHART_SORT, MF_BYCOMMAND | MF_STRING,
                       ID_CHART_DISABLE_ITEMS, "Disable Multiple Chart Items");
    pPopup->InsertMenu(ID_CHART_DISABLE_ITEMS, MF_BYCOMMAND | MF_STRING,
                       ID_CHART_ENABLE_ITEMS, "Enable Multiple Chart Items");
    pPopup->InsertMenu(ID_CHART_SORT, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr);
  }
  if (pPart) m_pLastHit = pPart;
  CWnd* pOwner = pHost;
  while (pOwner->GetStyle() & WS_CHILD && pOwner->GetParent())
    pOwner = pOwner->GetParent();
  pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, menuPoint.x, menuPoint.y, pOwner);
}

void CVikaChartController::OnMouseMove(UINT nFlags, CPoint point) {
  CallDefault();
  CVikaChartView* pView = GetChartView();
  CVikaChartViewport* pViewport = GetViewport();
  if (!pView || !pViewport) return;
  CRect client;
  pView->GetClientRect(&client);
  if (!client.PtInRect(point)) return;
  MvcVisualPart* pPart = pViewport->FindPartAt(point);
  if (pPart == m_pLastHit) return;
  auto* pComp = dynamic_cast<CVikaChartComponent*>(pPart);
  pViewport->HighlightPart(pView, pPart);
  pViewport->ShowElectrodes(pView, pComp);
  GetInfoText(GetActiveChartFrame(), pPart);
  if ((nFlags & MK_LBUTTON) && pViewport->GetHighlightedPart() &&
      GetChartModel() && pComp) {
    pComp->ToggleEnabled();
    AfterItemToggle();
  }
  m_pLastHit = pPart;
}

void CVikaChartController::AfterItemToggle() {
  CVikaChartModel* pModel = GetChartModel();
  pModel->RecalcExtents();
  pModel->UpdateCounts();
  UpdateDialogBar();
  pModel->SetModified(TRUE);
}

void CVikaChartController::ToggleItemAt(CPoint point) {
  CVikaChartViewport* pViewport = GetViewport();
  if (!pViewport) return;
  MvcVisualPart* pPart = pViewport->FindPartAt(point);
  if (auto* pComp = dynamic_cast<CVikaChartComponent*>(pPart)) {
    if (GetChartModel()) {
      pComp->ToggleEnabled();
      AfterItemToggle();
    }
  }
  if (pPart) m_pLastHit = pPart;
}

void CVikaChartController::Zoom(int command) {
  CVikaChartViewport* pViewport = GetViewport();
  if (!GetActiveChartFrame() || !pViewport) return;
  pViewport->HighlightPart(GetChartView(), nullptr);
  const POINT centre = ChartCommands::Centre(pViewport->GetLogicalBounds());
  SIZE device = {1000, 1000};
  if (command == ChartCommands::kZoomReset) {
    if (!GetChartView()) return;
    pViewport->LPtoDP(&device);
    device.cx = std::abs(device.cx);
    device.cy = std::abs(device.cy);
  }
  float fx = 1, fy = 1;
  ChartCommands::ZoomFactors(static_cast<ChartCommands::ZoomCommand>(command),
                             device, fx, fy);
  pViewport->MultiplyScale(fx, fy);
  pViewport->CenterOn(centre.x, centre.y);
  pViewport->Invalidate(TRUE, FALSE);
}

void CVikaChartController::OnZoomIn() { Zoom(ChartCommands::kZoomIn); }
void CVikaChartController::OnZoomOut() { Zoom(ChartCommands::kZoomOut); }
void CVikaChartController::OnZoomReset() { Zoom(ChartCommands::kZoomReset); }

BOOL CVikaChartController::CanEditProtocolFile(int nSection) {
  CDocument* pDoc = GetChartDocument();
  if (!pDoc || pDoc->GetPathName().IsEmpty()) return FALSE;
  CString path = pDoc->GetPathName();
  const int dot = path.ReverseFind('.');
  if (dot >= 0) path = path.Left(dot);
  return FileExists(path + SectionExtension(nSection));
}

BOOL CVikaChartController::SaveFirst(LPCTSTR question) {
  if (AskYesNo(question) != IDYES) return FALSE;
  CDocument* pDoc = GetChartDocument();
  if (pDoc && !pDoc->GetPathName().IsEmpty())
    return pDoc->OnSaveDocument(pDoc->GetPathName());
  return pDoc ? pDoc->DoFileSave() : FALSE;
}

int CVikaChartController::OpenProtocolEditor(int nSection) {
  CDocument* pDoc = GetChartDocument();
  CVikaChartModel* pModel = GetChartModel();
  if (!pDoc || !pModel) return 0;
  if (pModel->IsModified() &&
      !SaveFirst("The protocol has been modified and must\nbe saved before "
                 "opening the editor.\n\nSave changes now?"))
    return 0;
  CString folder, name;
  SplitProtocolPath(pDoc->GetPathName(), folder, name);
  auto pInfo = std::make_unique<CVikaProtocolInfo>();
  pInfo->SetFolder(folder);
  pInfo->SetName(name);
  pInfo->ReadHeader();
  CVikaProtocolDlg dialog(pInfo.get(), SectionExtension(nSection), nullptr);
  if (dialog.DoModal() == IDOK) ReloadChart();
  return 0;
}

void CVikaChartController::OnEditAdrFile() {
  CDocument* pDoc = GetChartDocument();
  CVikaChartModel* pModel = GetChartModel();
  if (!pDoc || !pModel) return;
  // Reloading after the edit would drop unsaved chart edits.
  if (pModel->IsModified() &&
      !SaveFirst("The protocol has been modified and must\nbe saved before "
                 "opening the editor.\n\nSave changes now?"))
    return;
  CString folder, name;
  SplitProtocolPath(pDoc->GetPathName(), folder, name);
  auto pInfo = std::make_unique<CVikaProtocolInfo>();
  pInfo->SetFolder(folder);
  pInfo->SetName(name);
  pInfo->ReadHeader();
  CVikaAddressDlg dialog(pInfo.get(), nullptr, nullptr);
  if (dialog.DoModal() == IDOK) ReloadChart();
}

void CVikaChartController::ReloadChart() {
  CVikaChartModel* pModel = GetChartModel();
  CVikaChartViewport* pViewport = GetViewport();
  auto* pDoc = dynamic_cast<CVikaChartDoc*>(GetChartDocument());
  if (!pModel || !pViewport || !pDoc) return;
  // The parts observe the items: they go first.
  pViewport->DeleteAllParts();
  m_pLastHit = nullptr;
  if (!pDoc->LoadProtocol(pDoc->GetPathName())) {
    // The files were changed into something that is no chart: the window
    // goes rather than show an empty one.
    if (CFrameWnd* pFrame = GetActiveChartFrame())
      pFrame->PostMessage(WM_CLOSE);
    return;
  }
  pDoc->SetModifiedFlag(FALSE);
  pViewport->CreateParts();
  OnRefresh();
}

void CVikaChartController::OnRefresh() {
  if (CVikaChartViewport* pViewport = GetViewport())
    pViewport->Invalidate(TRUE, TRUE);
  UpdateDialogBar();
}

void CVikaChartController::OnValidate() {
  CVikaChartModel* pModel = GetChartModel();
  if (!pModel) return;
  const int n = pModel->Validate();
  GetViewport()->Invalidate(TRUE, FALSE);
  CString message;
  // A check that ends in silence leaves the user wondering whether it ran.
  if (n <= 0)
    message = "No duplicate electrode combinations were found.";
  else
    message.Format(
        "%d duplicate electrode combinations were found!\n\nA position is "
        "considered a duplicate if two\nor "
        "more electrode combinations have identical\nmidpoints and depths.",
        n);
  const UINT icon = n <= 0 ? MB_ICONINFORMATION : MB_ICONEXCLAMATION;
  CWnd* pView = GetChartView();
  if (pView)
    pView->MessageBox(message, "Protocol Validation", icon);
  else
    AfxMessageBox(message, icon);
}

void CVikaChartController::OnViewDuplicates() {
  auto* pComp = dynamic_cast<CVikaChartComponent*>(PartAtContextPoint());
  CVikaChartModel* pModel = GetChartModel();
  if (!pComp || !pComp->GetSubject() || !pModel) return;
  // The same metres as the status bar's midpoint and depth.
  BarToModel();
  const ChartProperties& properties = pModel->GetProperties();
  CVikaDuplicatesDlg dialog(pComp->GetSubject(),
                            properties.m_dTakeoutSeparation,
                            properties.m_dOrgPosition, nullptr);
  dialog.DoModal();
}

void CVikaChartController::OnUpdateViewDuplicates(CCmdUI* pCmdUI) {
  auto* pComp = dynamic_cast<CVikaChartComponent*>(PartAtContextPoint());
  pCmdUI->Enable(pComp && pComp->GetSubject() &&
                 pComp->GetSubject()->GetDuplicates());
}

void CVikaChartController::OnRemoveDuplicates() {
  CVikaChartModel* pModel = GetChartModel();
  CVikaChartViewport* pViewport = GetViewport();
  if (pModel && pViewport) {
    WaitCursorScope wait;
    CVikaChartView* pView = GetChartView();
    pViewport->ShowElectrodes(pView, nullptr);
    pViewport->HighlightPart(pView, nullptr);
    pViewport->DeleteAllParts();
    m_pLastHit = nullptr;
    pModel->RemoveDuplicates();
    pViewport->CreateParts();
    pModel->UpdateCounts();
    UpdateDialogBar();
    pModel->SetModified(TRUE);
  }
  OnRefresh();
}

void CVikaChartController::OnUpdateRemoveDuplicates(CCmdUI* pCmdUI) {
  CVikaChartModel* pModel = GetChartModel();
  pCmdUI->Enable(pModel && pModel->CountItemsWithDuplicates() > 0);
}

void CVikaChartController::OnOptimizeNow() {
  CVikaChartModel* pModel = GetChartModel();
  if (!pModel || AskYesNo("Optimize data now?") != IDYES) return;
  pModel->Optimize();
  pModel->SetModified(TRUE);
}

void CVikaChartController::OnUpdateManualSort(CCmdUI* pCmdUI) {
  CVikaChartModel* pModel = GetChartModel();
  pCmdUI->Enable(pModel && pModel->GetProperties().m_bAutoSort == 0);
}

void CVikaChartController::OnChangeGrid() {
  CVikaChartModel* pModel = GetChartModel();
  if (!pModel) return;
  if (pModel->IsModified() &&
      !SaveFirst("Changes must be saved before changing the grid.\n\nSave "
                 "changes now?"))
    return;
  ChartProperties& properties = pModel->GetProperties();
  CChangeGridDlg dialog(static_cast<int>(properties.m_dGridX),
                        static_cast<int>(properties.m_dGridY), nullptr);
  if (dialog.DoModal() != IDOK) return;
  properties.m_dGridX = dialog.m_nX;
  properties.m_dGridY = dialog.m_nY;
  if (CVikaChartFrame* pFrame = GetActiveChartFrame())
    pFrame->GetMainBar().TransferData(FALSE);
  ReloadChart();
}

void CVikaChartController::ChangeTakeout(BOOL bEnable) {
  auto* pCable = dynamic_cast<CVikaCableComponent*>(PartAtContextPoint());
  CVikaChartModel* pModel = GetChartModel();
  if (!pCable || !pModel) return;
  m_pLastHit = pCable;
  EnableTakeout(pCable, bEnable);
  pModel->SetModified(TRUE);
}

void CVikaChartController::EnableTakeout(CVikaCableComponent* pComp,
                                         BOOL bEnable) {
  CVikaChartModel* pModel = GetChartModel();
  if (!pComp || !pComp->GetSubject() || !pModel) return;
  ChartCommands::EnableTakeout(*pModel, *pComp->GetSubject(), bEnable);
  OnRefresh();
}

void CVikaChartController::OnUpdateMultipleItems(CCmdUI* pCmdUI) {
  CVikaChartViewport* pViewport = GetViewport();
  pCmdUI->Enable(pViewport && dynamic_cast<CVikaChartComponent*>(
                                  pViewport->GetHighlightedPart()) != nullptr);
}

void CVikaChartController::ChangeMultipleItems(BOOL bEnable) {
  CVikaChartViewport* pViewport = GetViewport();
  CVikaChartModel* pModel = GetChartModel();
  auto* pComp =
      pViewport
          ? dynamic_cast<CVikaChartComponent*>(pViewport->GetHighlightedPart())
          : nullptr;
  if (!pComp || !pComp->GetSubject() || !pModel) return;
  CVikaChartItemStateDlg dialog(
      bEnable ? "Enable Multiple Items" : "Disable Multiple Items", pModel,
      pComp->GetSubject(), nullptr);
  if (dialog.DoModal() != IDOK) return;
  SetItemStates(pModel, pComp->GetSubject(), dialog.m_nDirection == 0,
                dialog.m_bDWN, dialog.m_bORG, dialog.m_bUP, dialog.m_nSkip + 1,
                bEnable);
}

void CVikaChartController::SetItemStates(CVikaChartModel* pModel,
                                         CVikaChartItem* pItem, BOOL bSameDepth,
                                         BOOL bDWN, BOOL bORG, BOOL bUP,
                                         int step, BOOL bEnable) {
  if (!pModel || !pItem) return;
  WaitCursorScope wait;
  ChartCommands::SetItemStates(*pModel, *pItem, bSameDepth, bDWN, bORG, bUP,
                               step, bEnable);
  OnRefresh();
}

void CVikaChartController::OnSortMeasurements() {
  CVikaChartModel* pModel = GetChartModel();
  if (!pModel) return;
  CVikaChartSortDlg dialog(nullptr);
  if (dialog.DoModal() != IDOK) return;
  WaitCursorScope wait;
  pModel->Sort(dialog.GetSortSpec());
  pModel->SetModified(TRUE);
  pModel->Renumber(dialog.GetEnabledFirst());
  OnRefresh();
  pModel->UpdateCounts();
  UpdateDialogBar();
}

void CVikaChartController::OnLayout() {
  CVikaChartModel* pModel = GetChartModel();
  if (!pModel) return;
  // The bar's own fields first, so the flip starts from what it shows.
  BarToModel();
  {
    WaitCursorScope wait;
    ChartCommands::ToggleLayout(*pModel);
  }
  if (CVikaChartFrame* pFrame = GetActiveChartFrame())
    pFrame->GetMainBar().TransferData(FALSE);
}
