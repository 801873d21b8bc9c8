// The command handler of a Vika project window: the shared project
// commands plus the Vika editors, protocol creation and opening a protocol
// as a chart.
#pragma once

#include "framework/Framework.h"
#include "design/projects/DesignProjectController.h"

class CVikaProtocolInfo;

class CVikaController : public CDesignProjectController
{
public:
    CVikaController() = default;
    ~CVikaController() override = default;

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual void UpdateFileCommand(CCmdUI* pCmdUI, int nKind);

    CVikaProtocolInfo* GetSelectedProtocol() const;

protected:
    LPCTSTR ProtocolExtension() const override;
    LPCTSTR CompileType() const override { return "KS808"; }
    LPCTSTR DatabaseName() const override { return "PROTOCOL.BIN"; }
    std::unique_ptr<CProtocolCompiler> MakeCompiler() override;
    CString SelectedGeometryPath() override;

    void EditProtocolFile(int nSection);
    void OnEditOrg() { EditProtocolFile(0); }
    void OnEditUp() { EditProtocolFile(1); }
    void OnEditDwn() { EditProtocolFile(2); }
    void OnUpdateEditOrg(CCmdUI* pCmdUI) { UpdateFileCommand(pCmdUI, 0); }
    void OnUpdateEditUp(CCmdUI* pCmdUI) { UpdateFileCommand(pCmdUI, 1); }
    void OnUpdateEditDwn(CCmdUI* pCmdUI) { UpdateFileCommand(pCmdUI, 2); }
    void OnUpdateEditAdr(CCmdUI* pCmdUI) { UpdateFileCommand(pCmdUI, 3); }
    void OnEditAddressFile();
    void OnNewProtocol();
    void OnNewAddressFile();
    void OnOpenProtocol();

    DECLARE_MESSAGE_MAP()
};
