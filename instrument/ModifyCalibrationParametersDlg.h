// "Modify Calibration Parameters": shows the instrument's calibration,
// checks the ranges, writes the chosen groups back, and saves and loads
// ".g7c" files. Values are shown and read in the C locale, in the shortest
// text that keeps them exactly.
#pragma once

#include "framework/Framework.h"

#include "instrument/CalibrationParameters.h"
#include "res/InstrumentRes.h"

#include <string>

class CModifyCalibrationParametersDlg : public CDialog {
public:
    enum { IDD = IDD_CALIBRATION };

    explicit CModifyCalibrationParametersDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnSet();
    void OnDefault();
    void OnSaveAs();
    void OnLoadFile();

    CalibrationParameters m_values;
    long m_serial = -1;

    // The groups Set writes (output, channels 1-4), kept for the whole run.
    static BOOL s_groups[5];

protected:
    // The seams the tests replace: the group choice, questions, messages
    // and the file dialogs ("" when cancelled).
    virtual BOOL ChooseGroups(BOOL groups[5]);
    virtual int Ask(const char* question);
    virtual void Tell(const char* text, UINT icon);
    virtual CString ChooseSaveFile(const CString& proposed);
    virtual CString ChooseLoadFile(const CString& pattern);

private:
    CString ChooseFile(BOOL open, const CString& name, DWORD flags);
    // Where the file dialogs open: "Folders"/"WorkingDir", else the current directory.
    static CString CalibrationFolder();

    DECLARE_MESSAGE_MAP()
};
