#include "instrument/ImportDataDlg.h"

#include "framework/HostServices.h"
#include "framework/OsFile.h"
#include "instrument/ImportData.h"
#include "instrument/ImportSelection.h"
#include "instrument/InstrumentCommands.h"
#include "instrument/InstrumentTables.h"
#include "instrument/InstrumentUi.h"
#include "instrument/StatusLogDlg.h"

namespace {

ImportedFilesHook g_importedFiles = nullptr;

constexpr UINT kStateMask = 0xF000;    // the check box
constexpr UINT kOverlayMask = 0x0F00;  // the "exists" mark
constexpr int kExistsOverlay = 1;
constexpr int kClickOnStateImage = 0x40;
constexpr const char* kNoAnswer =
    "No GVX7000/GVX2000 answers on the serial port.\n"
    "Check the cable, that the instrument is on and the port settings, then press Update.";

UINT StateBits(int state) { return static_cast<UINT>(state) << 12; }

bool FileExists(const std::string& path)
{
    return OsFile::FileExists(path.c_str());
}

// The import rules' view of the tree control.
class CTreeItems : public IImportTree {
public:
    explicit CTreeItems(SECTreeCtrl& tree) : m_tree(tree) {}

    Item Root() const override { return m_tree.GetRootItem(); }
    Item FirstChild(Item item) const override { return m_tree.GetNextItem(H(item), TVGN_CHILD); }
    Item NextSibling(Item item) const override { return m_tree.GetNextItem(H(item), TVGN_NEXT); }
    int GetCheck(Item item) const override { return static_cast<int>(m_tree.GetItemState(H(item), kStateMask) >> 12); }
    void SetCheck(Item item, int state) override { m_tree.SetItemState(H(item), StateBits(state), kStateMask); }
    bool IsDisabled(Item item) const override { return m_tree.IsItemDisabled(H(item)) != FALSE; }
    bool IsFile(Item item) const override
    {
        int image = -1, selected = -1;
        m_tree.GetItemImage(H(item), image, selected);
        return image == CImportDataDlg::kFileImage;
    }
    bool HasExistsMark(Item item) const override
    {
        return (m_tree.GetItemState(H(item), kOverlayMask) >> 8) == kExistsOverlay;
    }
    std::string Text(Item item) const override { return static_cast<const char*>(m_tree.GetItemText(H(item))); }
    int FolderIndex(Item item) const override { return static_cast<int>(m_tree.GetItemData(H(item))); }

private:
    static HTREEITEM H(Item item) { return static_cast<HTREEITEM>(const_cast<void*>(item)); }
    SECTreeCtrl& m_tree;
};

} // namespace

void SetImportedFilesHook(ImportedFilesHook hook)
{
    g_importedFiles = hook;
}

BEGIN_MESSAGE_MAP(CImportDataDlg, CDialog)
    ON_BN_CLICKED(IDC_IMPORT_START, OnImport)
    ON_BN_CLICKED(IDC_IMPORT_ALL, OnImportAll)
    ON_BN_CLICKED(IDC_IMPORT_UPDATE, OnUpdate)
    ON_BN_CLICKED(IDC_IMPORT_CLEAR_ALL, OnClearAll)
    ON_BN_CLICKED(IDC_INSTRUMENT_SETTINGS, OnSettings)
    ON_EN_UPDATE(IDC_IMPORT_FOLDER_EDIT, OnFolderChanged)
    ON_NOTIFY(NM_CLICK, IDC_IMPORT_TREE, OnTreeClick)
    ON_NOTIFY(TVN_ITEMEXPANDINGA, IDC_IMPORT_TREE, OnItemExpanding)
    ON_NOTIFY(TVN_ITEMEXPANDEDA, IDC_IMPORT_TREE, OnItemExpanded)
END_MESSAGE_MAP()

CImportDataDlg::CImportDataDlg(CMainFrame* frame, CWnd* parent) : CDialog(IDD, parent), m_frame(frame)
{
    CProfileStore& profile = GetHostServices().Profile();
    m_overwrite = profile.GetInt("ImportData", "Overwrite", 0) != 0;
    m_autoAdd = profile.GetInt("ImportData", "AutoAdd", 0) != 0;
    m_importFolder = ReadFolderSetting("ImportData", "\\GVX7000\\DATA");
}

CImportDataDlg::~CImportDataDlg() = default;

IImportTree& CImportDataDlg::GetTreeItems()
{
    if (!m_items)
        m_items = std::make_unique<CTreeItems>(m_tree);
    return *m_items;
}

void CImportDataDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_IMPORT_FOLDER_EDIT, m_importFolder);
    DDV_MaxChars(pDX, m_importFolder, 256);
    DDX_Check(pDX, IDC_IMPORT_OVERWRITE, m_overwrite);
    DDX_Check(pDX, IDC_IMPORT_FULL_TREE, m_showFullTree);
    DDX_Check(pDX, IDC_IMPORT_AUTO_ADD, m_autoAdd);
}

BOOL CImportDataDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (IsInstrumentServiceMode()) {
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_IMPORT_FULL_TREE), SW_SHOW);
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMPORT_FULL_TREE), TRUE);
    }
    m_directory = std::make_unique<OsFile::CurrentDirectoryScope>();
    m_browse.Initialize(IDC_IMPORT_FOLDER_EDIT, this);
    CreateTree();
    CreateImageLists();
    try {
        m_command = std::make_unique<Command>(FALSE);
    } catch (...) {
        // The port cannot be used: say so now, not when something is imported.
        ShowComPortError();
        EndDialog(IDCANCEL);
        return TRUE;
    }
    ReadDiskContent();
    return TRUE;
}

void CImportDataDlg::CreateTree()
{
    CRect placeholder;
    ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_IMPORT_TREE), &placeholder);
    m_tree.ReplaceDlgItem(IDC_IMPORT_TREE, this);
    m_tree.SetTreeStyle(0x50000037, TRUE);
    m_tree.SetListCtrlStyleEx(0x2800000, TRUE);
    m_tree.ModifyListCtrlStyleEx(0, 0x4000000, TRUE);
    m_tree.ModifyListCtrlStyleEx(0, 0x2000000, TRUE);
    CClientDC screen(nullptr);
    const bool palette = screen.GetDeviceCaps(NUMCOLORS) > 0;
    const COLORREF background = palette ? 0xFFFFFF : 0xC0DCC0;
    m_tree.SetBkColor(background);
    m_tree.SetTextColor(palette ? 0xFF0000 : 0x0A0A0A);
    m_tree.SetSelTextColor(0xFFFFFF);
    m_tree.SetSelBkColor(::GetSysColor(COLOR_INACTIVECAPTION));
    m_tree.SetIconBkColor(background);
    m_tree.SetSelIconBkColor(background);
    const int width = placeholder.Width();
    m_tree.SetColumnHeading(0, "Datafiles on GVX7000/GVX2000");
    m_tree.SetColumnWidth(0, static_cast<int>(width * 0.5));
    m_tree.InsertColumn(1, "Filesize", LVCFMT_RIGHT, static_cast<int>(width * 0.15), -1, 1);
    m_tree.InsertColumn(2, "Last modified", LVCFMT_RIGHT, static_cast<int>(width * 0.35), -1, 1);
    m_tree.StoreSubItemText(TRUE);
}

void CImportDataDlg::CreateImageLists()
{
    if (!m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 5, 8)) {
        AfxMessageBox("ERROR 1");
    } else {
        CBitmap folders;
        if (folders.LoadBitmap("FOLDERS"))
            m_images.Add(&folders, RGB(255, 0, 0));
        HICON exists = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_IMPORT_EXISTS));
        const int icon = exists ? m_images.Add(exists) : -1;
        if (icon >= 0)
            m_images.SetOverlayImage(icon, kExistsOverlay);
    }
    if (!m_states.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0)) {
        AfxMessageBox("ERROR 2");
    } else {
        CBitmap boxes;
        if (boxes.LoadBitmap("CHKBOXS"))
            m_states.Add(&boxes, RGB(255, 0, 0));
    }
    m_tree.SetImageList(&m_states, TVSIL_STATE);
    m_tree.SetImageList(&m_images, TVSIL_NORMAL);
}

BOOL CImportDataDlg::Identify()
{
    try {
        m_serial = m_command->Gid();
    } catch (G7KException&) {
        m_serial = -1;
    }
    if (m_serial < 0) {
        SetWindowText("Import Data Dialog (No GVX7000/GVX2000 connected)");
        return FALSE;
    }
    m_rootText.Format("<S/N: %07ld>", m_serial);
    SetWindowText("Import data from Geovolt GVX7000/GVX2000 " + m_rootText);
    return TRUE;
}

HTREEITEM CImportDataDlg::InsertTreeItem(const char* text, int image, LPARAM value, HTREEITEM parent)
{
    return m_tree.InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM, text, image,
                             image, StateBits(kUnchecked), kStateMask, value, parent, TVI_LAST);
}

void CImportDataDlg::ReadDiskContent()
{
    BOOL identified = FALSE;
    try {
        CStatusLogDlg status("Reading disk content from Geovolt GVX7000/GVX2000: ", this);
        UpdateData(TRUE);
        identified = Identify();
        if (!identified) {
            status.AppendText("Timeout!!!");
            ClearTree();
        } else {
            status.AppendText(m_rootText);
            m_filesFound = 0;
            m_tree.DeleteAllItems();
            HTREEITEM root = InsertTreeItem(m_rootText, kClosedFolderImage, 0, TVI_ROOT);
            if (IsInstrumentServiceMode() && m_showFullTree)
                FillFolder(kInstrumentFolders[0].path, root);
            for (int index = 1; index < kInstrumentFolderCount; ++index) {
                CString line;
                line.Format("\r\nReading: %s . . . ", kInstrumentFolders[index].path);
                status.AppendText(line);
                HTREEITEM folder = InsertTreeItem(kInstrumentFolders[index].name, kClosedFolderImage, index, root);
                if (FillFolder(kInstrumentFolders[index].path, folder) == 0)
                    m_tree.SetItemText(folder, CString(kInstrumentFolders[index].name) + " (No files)");
                if (!m_tree.ItemHasChildren(folder))
                    m_tree.DisableItem(folder, TRUE);
                m_tree.ExpandBranch(folder, FALSE);
                status.AppendText("Ok!");
            }
            m_tree.ExpandBranch(root, FALSE);
            CString found;
            found.Format("%u files found.", m_filesFound);
            SetDlgItemText(IDC_IMPORT_FOUND, found);
            ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMPORT_START), m_filesFound > 0);
        }
        MarkExistingFiles();
        m_tree.ReMeasureAndRedraw();
    } catch (...) {
        ShowComPortError();
        EndDialog(IDCANCEL);
        return;
    }
    if (!identified)
        AfxMessageBox(kNoAnswer, MB_OK | MB_ICONEXCLAMATION);
}

void CImportDataDlg::ClearTree()
{
    // The files of an instrument that no longer answers are not there to import.
    m_tree.DeleteAllItems();
    m_filesFound = 0;
    SetDlgItemText(IDC_IMPORT_FOUND, "No GVX7000/GVX2000 connected.");
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMPORT_START), FALSE);
}

int CImportDataDlg::FillFolder(const char* path, HTREEITEM parent)
{
    int inserted = 0;
    try {
        CStringArray lines;
        if (m_command->Dir(path, lines) == 0)
            return 0;
        const LPARAM value = static_cast<LPARAM>(m_tree.GetItemData(parent));
        for (int i = 0; i < lines.GetSize(); ++i) {
            const DirEntry entry = ParseDirLine(static_cast<const char*>(lines[i]));
            if (entry.name.empty())
                continue;
            HTREEITEM item = InsertTreeItem(entry.name.c_str(), kFileImage, value, parent);
            m_tree.SetItemText(item, 1, entry.size.c_str());
            m_tree.SetItemText(item, 2, entry.modified.c_str());
            ++inserted;
            ++m_filesFound;
        }
    } catch (G7KException& e) {
        e.Report();
    }
    return inserted;
}

void CImportDataDlg::ForEachFile(void (*callback)(CImportDataDlg*, SECTreeCtrl*, HTREEITEM, void*), void* param,
                                 HTREEITEM start)
{
    GetHostServices().BeginWaitCursor();
    UpdateData(TRUE);
    ::ForEachFile(GetTreeItems(), start, [&](IImportTree::Item item) {
        callback(this, &m_tree, static_cast<HTREEITEM>(const_cast<void*>(item)), param);
    });
    UpdateCheckStates(GetTreeItems());
    GetHostServices().EndWaitCursor();
}

void CImportDataDlg::MarkExistingFiles()
{
    const std::string folder = static_cast<const char*>(m_importFolder);
    ForEachFile(
        [](CImportDataDlg* dialog, SECTreeCtrl* tree, HTREEITEM item, void* param) {
            if (!dialog->GetTreeItems().IsFile(item))
                return;
            const std::string& base = *static_cast<const std::string*>(param);
            const bool exists = FileExists(ImportFolderFile(base, static_cast<const char*>(tree->GetItemText(item))));
            tree->SetItemState(item, exists ? INDEXTOOVERLAYMASK(kExistsOverlay) : 0, kOverlayMask);
        },
        const_cast<std::string*>(&folder), nullptr);
}

std::vector<std::string> CImportDataDlg::CollectSelectedFiles()
{
    UpdateData(TRUE);
    return ::CollectSelectedFiles(GetTreeItems(), m_overwrite != FALSE);
}

void CImportDataDlg::ClickAt(CPoint point)
{
    UINT flags = 0;
    HTREEITEM item = m_tree.HitTest(point, &flags);
    if (!item || !(flags & kClickOnStateImage) || m_tree.IsItemDisabled(item))
        return;
    ToggleCheck(GetTreeItems(), item);
}

void CImportDataDlg::OnTreeClick(NMHDR*, LRESULT* result)
{
    const DWORD position = ::GetMessagePos();
    CPoint point(static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position)));
    m_tree.ScreenToClient(&point);
    ClickAt(point);
    *result = 0;
}

void CImportDataDlg::OnItemExpanding(NMHDR*, LRESULT* result)
{
    *result = 0;
}

void CImportDataDlg::OnItemExpanded(NMHDR* header, LRESULT* result)
{
    const NMTREEVIEWA* view = reinterpret_cast<const NMTREEVIEWA*>(header);
    int image = -1, selected = -1;
    m_tree.GetItemImage(view->itemNew.hItem, image, selected);
    if (image != kFileImage) {
        const int next = view->action == TVE_EXPAND && image == kClosedFolderImage ? kOpenFolderImage
                                                                                   : kClosedFolderImage;
        m_tree.SetItemImage(view->itemNew.hItem, next, next);
    }
    *result = 0;
}

void CImportDataDlg::OnClearAll()
{
    ForEachFile(
        [](CImportDataDlg* dialog, SECTreeCtrl*, HTREEITEM item, void*) {
            IImportTree& items = dialog->GetTreeItems();
            if (items.GetCheck(item) != kUnchecked)
                items.SetCheck(item, kUnchecked);
        },
        nullptr, nullptr);
}

void CImportDataDlg::EnableButtons(BOOL enable)
{
    for (int id : {IDC_IMPORT_START, IDC_IMPORT_ALL, IDC_INSTRUMENT_SETTINGS, IDC_IMPORT_UPDATE, IDCANCEL})
        ::EnableWindow(::GetDlgItem(m_hWnd, id), enable);
    if (enable)
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMPORT_START), m_filesFound > 0);
}

void CImportDataDlg::OnUpdate()
{
    EnableButtons(FALSE);
    ReadDiskContent();
    EnableButtons(TRUE);
}

void CImportDataDlg::OnSettings()
{
    RunComPortSettings(this);
}

void CImportDataDlg::OnFolderChanged()
{
    if (!m_tree.m_hWnd)
        return;
    UpdateData(TRUE);
    MarkExistingFiles();
}

void CImportDataDlg::OnImport()
{
    EnableButtons(FALSE);
    const std::vector<std::string> selected = CollectSelectedFiles();
    UpdateData(TRUE);
    m_importFolder.Trim();
    if (ChangeToImportFolder(m_importFolder)) {
        CStringArray files;
        for (const std::string& path : selected)
            files.Add(path.c_str());
        // Only what arrived is offered: not an older copy of a file that failed.
        CStringArray arrived;
        RunReported([&] {
            CImportData import(m_importFolder, &files);
            import.Execute();
            for (const std::string& name : import.Received())
                arrived.Add(name.c_str());
        });
        AddImportedFiles(&arrived, TRUE);
    }
    MarkExistingFiles();
    EnableButtons(TRUE);
}

void CImportDataDlg::OnImportAll()
{
    EnableButtons(FALSE);
    UpdateData(TRUE);
    m_importFolder.Trim();
    if (ChangeToImportFolder(m_importFolder)) {
        // The instrument chooses what it sends: what arrived is what is new
        // or rewritten in the folder afterwards.
        const FolderSnapshot before(static_cast<const char*>(m_importFolder));
        try {
            CImportData import(m_importFolder);
            import.ImportAll();
        } catch (...) {
            ShowComPortError();
        }
        CStringArray arrived;
        for (const std::string& name : before.ChangedFiles())
            arrived.Add(name.c_str());
        AddImportedFiles(&arrived, TRUE);
    }
    MarkExistingFiles();
    EnableButtons(TRUE);
}

void CImportDataDlg::AddImportedFiles(CStringArray* files, BOOL ask)
{
    if (!files || files->GetSize() == 0 || !g_importedFiles)
        return;
    std::vector<std::string> paths;
    for (int i = 0; i < files->GetSize(); ++i)
        paths.push_back(static_cast<const char*>((*files)[i]));
    // Only files that arrived whole exist: a failed transfer leaves none.
    const std::vector<std::string> candidates =
        ConversionCandidates(paths, static_cast<const char*>(m_importFolder), FileExists);
    g_importedFiles(reinterpret_cast<CWnd*>(m_frame), candidates, ask, m_autoAdd);
}

void CImportDataDlg::OnCancel()
{
    if (m_hWnd)
        UpdateData(TRUE);
    CProfileStore& profile = GetHostServices().Profile();
    profile.WriteInt("ImportData", "Overwrite", m_overwrite);
    profile.WriteInt("ImportData", "AutoAdd", m_autoAdd);
    WriteFolderSetting("ImportData", m_importFolder);
    m_directory.reset();
    CDialog::OnCancel();
}
