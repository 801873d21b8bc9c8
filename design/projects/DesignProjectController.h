// The commands the Vika and Polyvect project windows share: manage the
// protocols, compile them, show the compiler's log, edit and create
// geometry files. Each family gives its extension, compile type, database
// and compiler, and adds its own editors.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolController.h"

#include <memory>

class CProtocolCompiler;
class CProtocolInfo;
class CProtocolListCtrl;

class CDesignProjectController : public CProtocolController
{
public:
    ~CDesignProjectController() override = default;

    // The record of the one selected row; null with none or several.
    CProtocolInfo* GetSelectedInfo() const;
    // The log of the latest compile: the project path with its extension
    // replaced by ".Log".
    CString GetLogPath() const;

protected:
    virtual LPCTSTR ProtocolExtension() const = 0;
    virtual LPCTSTR CompileType() const = 0;
    virtual LPCTSTR DatabaseName() const = 0;
    virtual std::unique_ptr<CProtocolCompiler> MakeCompiler() = 0;
    // The geometry file of the selected protocol, or empty.
    virtual CString SelectedGeometryPath() = 0;

    CProtocolListCtrl* GetList() const;
    CString GetDocumentPath() const;
    BOOL HasOneSelection() const;
    void RefreshRowOf(CProtocolInfo* pInfo);

    void OnManage();
    void OnCompile();
    void OnUpdateCompile(CCmdUI* pCmdUI);
    void OnViewLog();
    void OnUpdateViewLog(CCmdUI* pCmdUI);
    void OnEditGeometry();
    void OnCreateGeometry();

    DECLARE_MESSAGE_MAP()
};
