// "Remove Program Modules": the modules to remove, kept in the profile; OK
// closes the dialog and runs the removal in its own window.
#pragma once

#include "framework/Framework.h"

#include "res/InstrumentRes.h"

class CRemoveProgramModulesDlg : public CDialog {
public:
    enum { IDD = IDD_REMOVE_MODULES };

    explicit CRemoveProgramModulesDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    int GetMask() const;

    int m_checks[6] = {};

protected:
    virtual void Remove(int mask);
    void OnSettings();

    DECLARE_MESSAGE_MAP()
};
