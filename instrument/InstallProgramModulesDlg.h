// "Install Program Modules": the modules to install and their folder, kept
// in the profile; OK closes the dialog and runs the installation.
#pragma once

#include "framework/Framework.h"

#include "mvc/controls/BrowseEdit.h"
#include "res/InstrumentRes.h"

#include <memory>

namespace OsFile {
class CurrentDirectoryScope;
}

class CInstallProgramModulesDlg : public CDialog {
public:
    enum { IDD = IDD_INSTALL_MODULES };

    explicit CInstallProgramModulesDlg(CWnd* parent = nullptr);
    ~CInstallProgramModulesDlg() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    // The table's selection bits of the checked boxes.
    int GetMask() const;

    int m_checks[9] = {};
    CString m_folder;

protected:
    // Runs the installation; the tests replace it.
    virtual void Install(const CString& folder, int mask);
    void OnSettings();

    SECBrowseDirEdit m_browse;
    std::unique_ptr<OsFile::CurrentDirectoryScope> m_directory;

    DECLARE_MESSAGE_MAP()
};
