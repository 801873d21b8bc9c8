// The command handler of a Polyvect project window: the shared project
// commands plus the Polyvect protocol editor.
#pragma once

#include "framework/Framework.h"
#include "design/projects/DesignProjectController.h"

class CPolyvectController : public CDesignProjectController
{
public:
    CPolyvectController() = default;
    ~CPolyvectController() override = default;

protected:
    LPCTSTR ProtocolExtension() const override;
    LPCTSTR CompileType() const override { return "Polyvect"; }
    LPCTSTR DatabaseName() const override { return "Polyvect.BIN"; }
    std::unique_ptr<CProtocolCompiler> MakeCompiler() override;
    CString SelectedGeometryPath() override;

    void OnEditProtocol();
    void OnUpdateEditProtocol(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
