// The "Data Conversion Dialog": the conversion options of the chosen output
// format, with the converter's command line shown live at its bottom. The
// rules (enabling, checks, profile, command line) are CConversionOptions';
// the dialog moves values between them and its controls.
#pragma once

#include "framework/Framework.h"
#include "conversion/ConversionOptions.h"
#include "conversion/ConverterEngine.h"
#include "mvc/controls/BrowseEdit.h"

#include <memory>

class CConversionOptionDlg : public CDialog
{
public:
    CConversionOptionDlg(const CString& strOutputFolder, CWnd* pParent);
    ~CConversionOptionDlg() override;

    // The line of the confirmed options; the controls' values while open.
    CString BuildCommandLine(const CString& strListFile);
    CString GetOutputExtension() const { return m_options.GetOutputExtension(); }
    virtual BOOL GetTimeStampOption() { return m_options.bTimeStamp; }

    CConversionOptions& Options() { return m_options; }
    const CString& GetCommandLineText() const { return m_strCommandLine; }

    // Message boxes of the dialog (a test sees them here).
    virtual int ShowMessage(LPCTSTR pszText, LPCTSTR pszCaption, UINT nType);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // Takes the controls' values without checking ranges (nothing is shown
    // for a half-typed value); false when a field holds no number.
    bool TakeValues();
    void ShowValues();
    void UpdateAllControls();
    void RefreshCommandLine();
    void OnOptionChanged();
    void OnControlChanged(UINT nId);
    void OnFormatFocus();
    void OnFormatChanged();
    void LeaveDialog(int nResult);

    CConversionOptions m_options;
    CString m_strOutputFolder;
    CString m_strCommandLine;
    CString m_strSavedDirectory;
    SECBrowseFileEdit m_browseGeometry;
    std::unique_ptr<CConversionProfileSnapshot> m_pSnapshot;
    BOOL m_bInitialized = FALSE;
    BOOL m_bChecking = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The dialog as the converter engine asks it.
class CConversionOptionPrompt : public IConversionOptionsPrompt
{
public:
    explicit CConversionOptionPrompt(CWnd* pParent) : m_pParent(pParent) {}
    bool Confirm(const CString& strOutputFolder) override;
    CString BuildCommandLine(const CString& strListFile) override;
    CString GetOutputExtension() override;
    BOOL GetTimeStampOption() override;
    bool ConfirmReplace(const CString& strFileName, const CString& strReplacePath,
                        const CString& strWithPath) override;

private:
    CWnd* m_pParent;
    std::unique_ptr<CConversionOptionDlg> m_pDialog;
};
