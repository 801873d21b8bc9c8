// The main window: the multi-document frame with the commands that belong to
// no document (instrument transfers, settings, deleting project files) and
// the busy flag that keeps instrument commands one at a time.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "ui/frames/SECCustomStatusBar.h"
#include "ui/frames/SECToolBarManager.h"

#include <memory>

#include <vector>

struct DeleteCommand;

class CMainFrame : public SECMDIFrameWnd
{
    DECLARE_DYNAMIC(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    void UpdatePortPane(UINT nPortIndex, UINT nBaud);
    void SetTransferToolbarState();
    BOOL CreateCaptionAppFont(CFont& font) override;

    BOOL IsBusy() const { return m_bBusy; }
    const CString& GetPortPaneText() const { return m_strPortPane; }
    SECCustomStatusBar& GetStatusBar() { return m_wndStatusBar; }
    SECToolBarManager& GetToolBarManager() { return *m_pToolBarMgr; }

    // Runs the modal dialog of an instrument command (the port settings or
    // an instrument operation); one without a dialog tells the user so.
    virtual int RunInstrumentDialog(UINT nCommand);
    // Asks a yes/no question; the tests answer it.
    virtual int AskUser(const CString& strQuestion, UINT nType);
    // Lets the user pick the files to delete; empty when cancelled.
    virtual std::vector<CString> ChooseFilesToDelete(const DeleteCommand& command);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnDestroy();
    BOOL CreateStatusBar();
    void CreateToolBars();
    void OnImportData();
    void OnComPortSettings();
    void OnInstallModules();
    void OnRemoveModules();
    void OnCalibration();
    void OnInstallXyz();
    void OnProperties();
    void OnCustomize();
    void OnViewToolbar();
    void OnDeleteDropDown();
    void OnDeleteCommand(UINT nId);
    void OnUpdateTransferCommand(CCmdUI* pCmdUI);
    void OnUpdateDeleteCommand(CCmdUI* pCmdUI);

    void RunInstrumentCommand(UINT nCommand, BOOL bTouchToolbar);
    BOOL IsDocumentKindOpen(LPCTSTR pszExtension) const;

    BOOL m_bBusy = FALSE;
    CString m_strPortPane;
    SECCustomStatusBar m_wndStatusBar;
    std::unique_ptr<SECToolBarManager> m_pToolBarMgr;

    DECLARE_MESSAGE_MAP()
};
