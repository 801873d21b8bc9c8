// Edits one section file (".ORG", ".UP" or ".DWN") of a Vika protocol by
// hand: array type, address and geometry files and the command lines, with
// every comment kept by line number. Saving brings the header lines of the
// protocol's other sections into line; a failed save keeps the dialog open.
#pragma once

#include "framework/Framework.h"
#include "design/projects/VikaCmdListBox.h"
#include "design/projects/VikaProtocolText.h"

class CVikaProtocolInfo;

class CVikaProtocolDlg : public CDialog
{
public:
    CVikaProtocolDlg(CVikaProtocolInfo* pInfo, const CString& strSection, CWnd* pParent);

    BOOL OnInitDialog() override;
    CString GetFilePath() const;
    CVikaCmdListBox& GetCommandList() { return m_lbCommands; }

protected:
    void OnOK() override;
    void OnSelEndOkAddressFile();
    void ReadControls();

    CComboBox m_cbGeometry;
    CComboBox m_cbAddress;
    CComboBox m_cbArrayType;
    CVikaProtocolInfo* m_pInfo;
    CString m_strSection;
    CVikaProtocolText m_text;
    CVikaCmdListBox m_lbCommands;

    DECLARE_MESSAGE_MAP()
};
