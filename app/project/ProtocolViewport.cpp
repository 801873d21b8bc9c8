#include "framework/Framework.h"
#include "app/project/ProtocolViewport.h"
#include "app/project/ProtocolDoc.h"
#include "app/project/ProtocolItem.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CProtocolViewport, CFormView)

BEGIN_MESSAGE_MAP(CProtocolViewport, CFormView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_EN_CHANGE(IDC_TARGET_FOLDER, OnTargetChanged)
    ON_EN_CHANGE(IDC_SOURCE_FOLDER, OnSourceChanged)
    ON_EN_KILLFOCUS(IDC_TARGET_FOLDER, OnTargetKillFocus)
    ON_EN_KILLFOCUS(IDC_SOURCE_FOLDER, OnSourceKillFocus)
END_MESSAGE_MAP()

namespace {

bool IsDirectory(const CString& strPath)
{
    if (strPath.IsEmpty())
        return false;
    const DWORD dwAttributes = GetFileAttributesA(strPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

CProtocolViewport::CProtocolViewport()
    : CFormView(IDD_VIKA_FORM)
{
}

CProtocolViewport::CProtocolViewport(UINT nFormId, const UINT* pIconIds, UINT nIcons)
    : CFormView(nFormId)
    , m_iconIds(pIconIds, pIconIds + (pIconIds ? nIcons : 0))
{
}

CProtocolViewport::~CProtocolViewport() = default;

CProtocolModel* CProtocolViewport::GetModel() const
{
    return dynamic_cast<CProtocolModel*>(MvcViewport::GetModel());
}

// The view observes its document's model and sets up its viewport over its
// own window. Only a controller that cannot plug in fails the creation: the
// base makes none.
int CProtocolViewport::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFormView::OnCreate(lpcs) == -1)
        return -1;
    if (auto* pDoc = dynamic_cast<CProtocolDoc*>(GetDocument()))
        SetModel(pDoc->GetModel());
    CRect client;
    GetClientRect(&client);
    SetSize(client.Width(), client.Height());
    MvcViewport::Create(this, nullptr);
    if (GetController() && !GetController()->IsPlugged())
        return -1;
    return 0;
}

void CProtocolViewport::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TARGET_FOLDER, m_strTargetFolder);
    DDV_MaxChars(pDX, m_strTargetFolder, 256);
    if (GetDlgItem(IDC_SOURCE_FOLDER)) {
        DDX_Text(pDX, IDC_SOURCE_FOLDER, m_strSourceFolder);
        DDV_MaxChars(pDX, m_strSourceFolder, 256);
    }
}

void CProtocolViewport::OnInitialUpdate()
{
    if (!m_list.GetSafeHwnd())
        m_list.SubclassDlgItem(IDC_PROJECT_LIST, this);
    CFormView::OnInitialUpdate();
    MvcViewport::OnInitialUpdate();

    CProtocolModel* pModel = GetModel();
    if (GetDlgItem(IDC_SOURCE_FOLDER) && !m_browseSource.GetSafeHwnd()) {
        m_browseSource.Initialize(IDC_SOURCE_FOLDER, this);
        m_browseSource.SetDirSelectStyle(2);
    }
    if (GetDlgItem(IDC_TARGET_FOLDER) && !m_browseTarget.GetSafeHwnd()) {
        m_browseTarget.Initialize(IDC_TARGET_FOLDER, this);
        m_browseTarget.SetDirSelectStyle(2);
    }
    if (pModel) {
        if (GetDlgItem(IDC_SOURCE_FOLDER))
            m_strSourceFolder = pModel->GetSourceFolder();
        m_strTargetFolder = pModel->GetTargetFolder();
    }
    m_list.ModifyStyle(0, LVS_REPORT | LVS_SHOWSELALWAYS);
    m_list.SetModel(pModel);  // the list's first update: image list and rows
    if (!m_iconIds.empty())
        m_list.SetIcons(m_iconIds.data(), static_cast<int>(m_iconIds.size()));

    UpdateData(FALSE);
    GetWindowRect(&m_rectLast);
    if (!m_bInitialized)
        RememberListPlace();
    m_bInitialized = TRUE;
    LayOutList();
}

// The list's place in the form as the template has it; the form scrolls only
// when the window is smaller than its fields and a few rows of the list.
void CProtocolViewport::RememberListPlace()
{
    int nMapMode = MM_TEXT;
    SIZE sizeTotal, sizePage, sizeLine;
    GetDeviceScrollSizes(nMapMode, sizeTotal, sizePage, sizeLine);
    CRect rect;
    m_list.GetWindowRect(&rect);
    ScreenToClient(&rect);
    rect.OffsetRect(GetDeviceScrollPosition());
    m_ptListOrigin = rect.TopLeft();
    m_sizeListMargin = CSize(sizeTotal.cx - rect.right, sizeTotal.cy - rect.bottom);
    const int nMinHeight = rect.Height() < MIN_LIST_HEIGHT ? rect.Height() : MIN_LIST_HEIGHT;
    SetScrollSizes(MM_TEXT, CSize(sizeTotal.cx, rect.top + nMinHeight + m_sizeListMargin.cy));
}

// The list fills the form to its template margins, at any size: it is worked
// out from the window each time, so no shrinking is ever lost.
void CProtocolViewport::LayOutList()
{
    if (!m_bInitialized || !m_list.GetSafeHwnd())
        return;
    int nMapMode = MM_TEXT;
    SIZE sizeTotal, sizePage, sizeLine;
    GetDeviceScrollSizes(nMapMode, sizeTotal, sizePage, sizeLine);
    CRect client;
    GetClientRect(&client);
    const int nWidth = (client.Width() > sizeTotal.cx ? client.Width() : sizeTotal.cx) - m_sizeListMargin.cx
                       - m_ptListOrigin.x;
    const int nHeight = (client.Height() > sizeTotal.cy ? client.Height() : sizeTotal.cy) - m_sizeListMargin.cy
                        - m_ptListOrigin.y;
    m_list.SetWindowPos(nullptr, 0, 0, nWidth > 0 ? nWidth : 0, nHeight > 0 ? nHeight : 0,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CProtocolViewport::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (MvcViewport::OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    return CFormView::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CProtocolViewport::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (MvcViewport::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFormView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CProtocolViewport::ClearList() { m_list.DeleteAllItems(); }
void CProtocolViewport::RefreshList() { m_list.Rebuild(); }
CProtocolListCtrl& CProtocolViewport::GetListCtrl() { return m_list; }
void CProtocolViewport::SetContextMenu(UINT nMenuId) { m_list.SetContextMenu(nMenuId); }
BOOL CProtocolViewport::CreateController() { return FALSE; }

int CProtocolViewport::GetRowCount()
{
    return m_list.GetSafeHwnd() ? m_list.GetItemCount() : 0;
}

BOOL CProtocolViewport::IsRowSelected(int nRow)
{
    return (m_list.GetItemState(nRow, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

CProtocolInfo* CProtocolViewport::GetRowInfo(int nRow)
{
    auto* pItem = reinterpret_cast<CProtocolItem*>(m_list.GetItemData(nRow));
    return pItem ? pItem->GetSubject() : nullptr;
}

// The model follows the field whenever its text names an existing folder.
void CProtocolViewport::OnFolderChanged(int nControl)
{
    CProtocolModel* pModel = GetModel();
    if (!m_bInitialized || !pModel)
        return;
    (nControl == IDC_TARGET_FOLDER ? m_bTargetEdited : m_bSourceEdited) = TRUE;
    CString strText;
    GetDlgItemText(nControl, strText);
    if (!IsDirectory(strText))
        return;
    CString& strField = nControl == IDC_TARGET_FOLDER ? m_strTargetFolder : m_strSourceFolder;
    if (strField != strText)
        pModel->SetModifiedFlag(TRUE);
    strField = strText;
    if (nControl == IDC_TARGET_FOLDER)
        pModel->SetTargetFolder(strField);
    else
        pModel->SetSourceFolder(strField);
}

// Leaving a field the user changed to a text that names no folder is
// reported once; the focus goes where the user sent it.
void CProtocolViewport::OnFolderCommitted(int nControl)
{
    BOOL& bEdited = nControl == IDC_TARGET_FOLDER ? m_bTargetEdited : m_bSourceEdited;
    if (!m_bInitialized || m_bReporting || !bEdited)
        return;
    bEdited = FALSE;
    CString strText;
    GetDlgItemText(nControl, strText);
    if (strText.IsEmpty() || IsDirectory(strText))
        return;
    CString strMessage;
    strMessage.Format(nControl == IDC_TARGET_FOLDER ? "Target folder '%s' does not exist!"
                                                    : "Source folder '%s' does not exist!",
                      static_cast<LPCTSTR>(strText));
    m_bReporting = TRUE;
    AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
    m_bReporting = FALSE;
}

void CProtocolViewport::OnTargetChanged() { OnFolderChanged(IDC_TARGET_FOLDER); }
void CProtocolViewport::OnSourceChanged() { OnFolderChanged(IDC_SOURCE_FOLDER); }
void CProtocolViewport::OnTargetKillFocus() { OnFolderCommitted(IDC_TARGET_FOLDER); }
void CProtocolViewport::OnSourceKillFocus() { OnFolderCommitted(IDC_SOURCE_FOLDER); }

void CProtocolViewport::OnSize(UINT nType, int cx, int cy)
{
    CFormView::OnSize(nType, cx, cy);
    SetSize(cx, cy);
    if (!m_bInitialized)
        return;
    LayOutList();
    GetWindowRect(&m_rectLast);
}
