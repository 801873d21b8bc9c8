// "Import Data": the instrument's data folders and files as a tree with
// check boxes and an "exists" mark, the import folder, and the import of
// the checked files or of all data. Its command client is made when the
// dialog opens; a port that cannot be used is reported then and the dialog
// closes.
#pragma once

#include "framework/Framework.h"

#include "instrument/Command.h"
#include "mvc/controls/BrowseEdit.h"
#include "res/InstrumentRes.h"
#include "ui/lists/TreeCtrl.h"

#include <memory>
#include <string>
#include <vector>

class CMainFrame;
namespace OsFile {
class CurrentDirectoryScope;
}
class IImportTree;

class CImportDataDlg : public CDialog {
public:
    enum { IDD = IDD_IMPORT_DATA };

    CImportDataDlg(CMainFrame* frame, CWnd* parent);
    ~CImportDataDlg() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;

    // Visits the file items from start (the root when null), then updates
    // the folders' check states.
    virtual void ForEachFile(void (*callback)(CImportDataDlg*, SECTreeCtrl*, HTREEITEM, void*), void* param,
                             HTREEITEM start);
    // Offers the imported ".G7K" files to the active conversion project.
    virtual void AddImportedFiles(CStringArray* files, BOOL ask);

    void OnImport();
    void OnImportAll();
    void OnUpdate();
    void OnClearAll();
    void ReadDiskContent();
    void MarkExistingFiles();
    std::vector<std::string> CollectSelectedFiles();
    // A click on the tree at a client point: the check box of the item there.
    void ClickAt(CPoint point);

    SECTreeCtrl& GetTree() { return m_tree; }
    IImportTree& GetTreeItems();

    CString m_importFolder;
    BOOL m_overwrite = FALSE;
    BOOL m_showFullTree = FALSE;
    BOOL m_autoAdd = FALSE;
    long m_serial = -1;
    CString m_rootText;
    unsigned m_filesFound = 0;

    static constexpr int kClosedFolderImage = 0;
    static constexpr int kOpenFolderImage = 1;
    static constexpr int kFileImage = 2;

protected:
    void OnSettings();
    void OnFolderChanged();
    void OnTreeClick(NMHDR* header, LRESULT* result);
    void OnItemExpanding(NMHDR* header, LRESULT* result);
    void OnItemExpanded(NMHDR* header, LRESULT* result);

    BOOL Identify();
    void ClearTree();
    int FillFolder(const char* path, HTREEITEM parent);
    HTREEITEM InsertTreeItem(const char* text, int image, LPARAM value, HTREEITEM parent);
    void CreateTree();
    void CreateImageLists();
    void EnableButtons(BOOL enable);

    CMainFrame* m_frame;
    std::unique_ptr<OsFile::CurrentDirectoryScope> m_directory;
    SECBrowseDirEdit m_browse;
    std::unique_ptr<Command> m_command;
    SECTreeCtrl m_tree;
    CImageList m_images;
    CImageList m_states;
    std::unique_ptr<IImportTree> m_items;

    DECLARE_MESSAGE_MAP()
};

// Where imported files go when a conversion project is active: the hook
// gets the existing ".G7K" files of an import, whether to ask first, and
// the main frame. The conversion projects install it.
using ImportedFilesHook = void (*)(CWnd* frame, const std::vector<std::string>& files, BOOL ask, BOOL autoAdd);
void SetImportedFilesHook(ImportedFilesHook hook);
