// The shared dialogs under Wine: each opens from its template, exchanges
// its data with the controls and closes; the status window takes a long log.
#include "framework/Framework.h"
#include "app/dialogs/ChangeGridDlg.h"
#include "app/dialogs/CheckListDlg.h"
#include "app/dialogs/CompileLogDlg.h"
#include "app/dialogs/ListPropertiesDlg.h"
#include "app/dialogs/ManageSelectionDlg.h"
#include "app/dialogs/NewCaptionDlg.h"
#include "app/dialogs/NumericProgressDlg.h"
#include "app/dialogs/RenameDlg.h"
#include "app/dialogs/StatusMessage.h"
#include "app/dialogs/TextViewerDlg.h"
#include "app/dialogs/tests/ScriptedDialog.h"
#include "app/dialogs/tests/TempFolder.h"
#include "app/project/ProtocolCompiler.h"
#include "app/project/ProtocolModel.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

struct SharedDialogs : ::testing::Test
{
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
        ::InitCommonControlsEx(&controls);
    }
    CMessageBoxRecorder boxes;
    CTempFolder folder;
};

typedef std::vector<CString> Rows;

void SelectRows(CListBox& list, std::initializer_list<int> rows)
{
    list.SetSel(-1, FALSE);
    for (int nRow : rows)
        list.SetSel(nRow, TRUE);
}

const char kLog[] =
    "\r\n\r\nORDA stand-in. Copyright none\r\nBuild: 7\r\n\r\n\r\nInput file: zez1\r\nOutput path: %s.\r\n"
    "LINE1.ORG\r\n\r\nLINE2.ORG\r\n2 lines processed: 0 errors, warnings: 0\r\nCompilation successful\r\n";

} // namespace

TEST_F(SharedDialogs, CompileLogShowsTheLogOfTheProjectDocument)
{
    CString strLog;
    strLog.Format(kLog, static_cast<LPCTSTR>(folder.Path()));
    const CString strDocument = folder.Path() + "Line.1.vkp";
    const CString strLogPath = CProtocolCompiler::MakeLogName(strDocument);
    ASSERT_STREQ(folder.Path() + "Line.1.Log", strLogPath);
    folder.Write("Line.1.Log", static_cast<LPCTSTR>(strLog));
    folder.Write("polyvect.bin", std::string(2048, 'x'));

    CScripted<CCompileLogDlg> dlg("Polyvect.BIN", strLogPath);
    CString strCaption;
    std::vector<CString> fields;
    dlg.m_script = [&](CScripted<CCompileLogDlg>& d) {
        strCaption = d.Caption();
        for (int nId : {IDC_LOG_COMPILER, IDC_LOG_BUILD, IDC_LOG_INPUT_FILE, IDC_LOG_LINES, IDC_LOG_ERRORS,
                        IDC_LOG_WARNINGS, IDC_LOG_DATABASE_SIZE, IDC_LOG_BODY})
            fields.push_back(d.Text(nId));
        d.Click(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("Compilation successful - Log file: " + strLogPath, strCaption);
    EXPECT_EQ((Rows{"ORDA stand-in", "7", "ZEZ1", "2", "0 errors", "0", "2.0 kilobytes",
                    "   1:   LINE1.ORG\r\n   2:   LINE2.ORG\r\n"}),
              fields);
    EXPECT_FALSE(dlg.m_strDateTime.IsEmpty());
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(SharedDialogs, CompileLogWithoutALogSaysSoAndEnds)
{
    const CString strDocument = folder.Path() + "Never.vkp";
    EXPECT_EQ(IDCANCEL, ShowCompileLog(strDocument, "PROTOCOL.BIN"));
    EXPECT_EQ((std::vector<std::string>{std::string("Log file: ") + static_cast<LPCTSTR>(folder.Path())
                                        + "Never.Log"}),
              boxes.texts);
    EXPECT_EQ((std::vector<std::string>{"File Not Found!"}), boxes.captions);
}

TEST_F(SharedDialogs, TextViewerShowsTheLastLogFirstAndFollowsTheChoice)
{
    folder.Write("b.log", "b1\r\nb2\r\n");
    folder.Write("A.LOG", "a1\n\ta2\n");
    folder.Write("c.Log", "c1\r\n");
    const CString strSpec = folder.Path() + "*.Log";
    CScripted<CTextViewerDlg> dlg(strSpec, "View Log-file");
    Rows files, lastLines, firstLines, goneLines;
    CString strCaption;
    dlg.m_script = [&](CScripted<CTextViewerDlg>& d) {
        strCaption = d.Caption();
        CComboBox& combo = d.GetFileList();
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString strName;
            combo.GetLBText(i, strName);
            files.push_back(strName);
        }
        lastLines = d.Rows(IDC_VIEWER_LINES);
        combo.SetCurSel(0);
        d.Notify(IDC_VIEWER_FILES, CBN_SELCHANGE);
        firstLines = d.Rows(IDC_VIEWER_LINES);
        ::DeleteFileA(folder.Path() + "b.log");
        combo.SetCurSel(1);
        d.Notify(IDC_VIEWER_FILES, CBN_SELCHANGE);
        goneLines = d.Rows(IDC_VIEWER_LINES);
        d.Click(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_STREQ("View Log-file: " + strSpec, strCaption);
    EXPECT_EQ((Rows{"A.LOG", "b.log", "c.Log"}), files) << "names as found on disk";
    EXPECT_EQ((Rows{"c1"}), lastLines);
    EXPECT_EQ((Rows{"a1", "\ta2"}), firstLines);
    EXPECT_TRUE(goneLines.empty());
    EXPECT_EQ((std::vector<std::string>{std::string("Could not open log-file: ") + static_cast<LPCTSTR>(folder.Path())
                                        + "b.log"}),
              boxes.texts);
}

TEST_F(SharedDialogs, TextViewerWithNoMatchingFileShowsNothing)
{
    CScripted<CTextViewerDlg> dlg(folder.Path() + "*.Log", "View Log-file");
    int nFiles = -1;
    Rows lines{"x"};
    dlg.m_script = [&](CScripted<CTextViewerDlg>& d) {
        nFiles = d.GetFileList().GetCount();
        lines = d.Rows(IDC_VIEWER_LINES);
        d.Click(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0, nFiles);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(SharedDialogs, StatusWindowKeepsAppendingALongLog)
{
    CStatusMessage status;
    ASSERT_TRUE(status.Create());
    status.ShowWindow(SW_SHOW);
    status.AppendText("Reading disk content: ");
    EXPECT_STREQ("Reading disk content: ", status.GetText());
    CString strExpected = "Reading disk content: ";
    for (int i = 0; i < 400; ++i) {
        CString strLine;
        strLine.Format("\r\n\tDATA\\LINE%04d.G7K... imported, %d bytes, checked against the instrument's own "
                       "directory listing",
                       i, 1000 + i);
        status.AppendText(strLine);
        strExpected += strLine;
    }
    CString strShown;
    status.GetDlgItemText(IDC_STATUS_TEXT, strShown);
    EXPECT_GT(strShown.GetLength(), 40000) << "more than an edit takes by default";
    EXPECT_STREQ(strExpected, strShown) << "nothing is cut off";
    EXPECT_STREQ(strExpected, status.GetText());
    CEdit* pEdit = static_cast<CEdit*>(status.GetDlgItem(IDC_STATUS_TEXT));
    EXPECT_GT(pEdit->SendMessage(EM_GETFIRSTVISIBLELINE), 380) << "the last lines are in view";

    status.SetText("Done");
    status.GetDlgItemText(IDC_STATUS_TEXT, strShown);
    EXPECT_STREQ("Done", strShown);
    status.DestroyWindow();
}

namespace {

const CColumnProperty kColumns[] = {
    CColumnProperty(1, 0, 80, FALSE, "Name", "Protocol name"),
    CColumnProperty(2, 1, 60, FALSE, "Items", "Item count"),
    CColumnProperty(3, 0, 90, FALSE, "Array", "Array type"),
    CColumnProperty(0, 0, 0, FALSE, "", ""),
};

void ShowColumn(CColumnMap& map, UINT nPosition, UINT nId)
{
    CColumnProperty column = kColumns[nId - 1];
    map.SetAt(nPosition, column);
}

UINT IdAt(const CColumnMap& map, UINT nPosition)
{
    CColumnProperty column;
    return map.Lookup(nPosition, column) ? column.GetColumnId() : 0;
}

} // namespace

TEST_F(SharedDialogs, ListPropertiesMovesColumnsAndRewritesTheMap)
{
    CColumnMap map;
    ShowColumn(map, 0, 1);
    ShowColumn(map, 2, 2);
    CScripted<CListPropertiesDlg> dlg(kColumns, &map);
    Rows available, shown, shownAfter;
    dlg.m_script = [&](CScripted<CListPropertiesDlg>& d) {
        available = d.Rows(IDC_AVAILABLE_COLUMNS);
        shown = d.Rows(IDC_SHOWN_COLUMNS);
        SelectRows(d.ListBox(IDC_SHOWN_COLUMNS), {0, 1});
        d.Click(IDC_REMOVE_COLUMN);
        SelectRows(d.ListBox(IDC_AVAILABLE_COLUMNS), {0, 1});
        d.Click(IDC_ADD_COLUMN);
        d.ListBox(IDC_SHOWN_COLUMNS).SetCaretIndex(0);
        d.Notify(IDC_SHOWN_COLUMNS, LBN_DBLCLK);
        shownAfter = d.Rows(IDC_SHOWN_COLUMNS);
        d.Click(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((Rows{"Array type"}), available);
    EXPECT_EQ((Rows{"Protocol name", "Item count"}), shown);
    EXPECT_EQ((Rows{"Protocol name", "Array type", "Item count"}), shownAfter);
    EXPECT_EQ((std::vector<std::string>{"The first column cannot be removed!", "The first column cannot be removed!"}),
              boxes.texts);
    EXPECT_EQ(3, map.GetCount());
    EXPECT_EQ((std::vector<UINT>{1, 3, 2}), (std::vector<UINT>{IdAt(map, 0), IdAt(map, 1), IdAt(map, 2)}));
}

TEST_F(SharedDialogs, ListPropertiesDefaultAndCancelChangeNothing)
{
    CColumnMap map;
    ShowColumn(map, 0, 1);
    for (int nButton : {IDC_DEFAULT_COLUMNS, IDCANCEL}) {
        CScripted<CListPropertiesDlg> dlg(kColumns, &map);
        dlg.m_script = [&](CScripted<CListPropertiesDlg>& d) {
            SelectRows(d.ListBox(IDC_AVAILABLE_COLUMNS), {0});
            d.Click(IDC_ADD_COLUMN);
            d.Click(nButton);
        };
        EXPECT_EQ(nButton, dlg.DoModal());
        EXPECT_EQ(1, map.GetCount());
    }
}

namespace {

class CNamesModel : public CProtocolModel
{
public:
    BOOL AddByFileName(LPCTSTR pszName) override { return AddNamedRecord(pszName); }
    Rows Names()
    {
        Rows names;
        for (POSITION pos = GetInfoList().GetHeadPosition(); pos != nullptr;)
            names.push_back(GetInfoList().GetNext(pos)->GetName());
        return names;
    }
};

} // namespace

TEST_F(SharedDialogs, ManageSelectionRebuildsTheProjectOnOk)
{
    for (const char* pszName : {"line1.org", "LINE2.ORG", "line3.org", "line1.up"})
        folder.Write(pszName, "x");
    CNamesModel model;
    model.SetSourceFolder(folder.Path());
    model.AddByFileName("LINE1.ORG");
    model.AddByFileName("GONE.ORG");
    CScripted<CManageSelectionDlg> dlg(&model, nullptr, ".ORG");
    Rows available, selected, availableAfterRemove;
    dlg.m_script = [&](CScripted<CManageSelectionDlg>& d) {
        available = d.Rows(IDC_AVAILABLE_PROTOCOLS);
        selected = d.Rows(IDC_SELECTED_PROTOCOLS);
        SelectRows(d.ListBox(IDC_SELECTED_PROTOCOLS), {0, 1});
        d.Click(IDC_REMOVE_PROTOCOL);
        availableAfterRemove = d.Rows(IDC_AVAILABLE_PROTOCOLS);
        SelectRows(d.ListBox(IDC_AVAILABLE_PROTOCOLS), {1});
        d.Click(IDC_ADD_PROTOCOL);
        d.ListBox(IDC_AVAILABLE_PROTOCOLS).SetCaretIndex(1);
        d.Notify(IDC_AVAILABLE_PROTOCOLS, LBN_DBLCLK);
        d.Click(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((Rows{"LINE2.ORG", "line3.org"}), available);
    EXPECT_EQ((Rows{"GONE.ORG", "LINE1.ORG"}), selected);
    EXPECT_EQ((Rows{"line1.org", "LINE2.ORG", "line3.org"}), availableAfterRemove);
    EXPECT_EQ((Rows{"LINE2.ORG", "line3.org"}), model.Names());
}

TEST_F(SharedDialogs, ManageSelectionCancelKeepsTheProject)
{
    CNamesModel model;
    model.SetSourceFolder(folder.Path());
    model.AddByFileName("A.ORG");
    CScripted<CManageSelectionDlg> dlg(&model, nullptr, ".ORG");
    dlg.m_script = [](CScripted<CManageSelectionDlg>& d) {
        d.Click(IDC_REMOVE_ALL_PROTOCOLS);
        d.Click(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ((Rows{"A.ORG"}), model.Names());
}

TEST_F(SharedDialogs, CheckListWritesTheChecksBackOnOkOnly)
{
    const CString texts[] = {"Voltage", "Current", "Offset"};
    for (bool bOk : {false, true}) {
        BOOL checks[] = {TRUE, FALSE, TRUE};
        CScripted<CCheckListDlg> dlg(3, checks, texts, "Choose the parameters to read:", bOk ? "" : "&Read");
        CString strOk, strPrompt;
        Rows rows;
        std::vector<int> loaded;
        dlg.m_script = [&](CScripted<CCheckListDlg>& d) {
            strOk = d.Text(IDOK);
            strPrompt = d.Text(IDC_CHECK_PROMPT);
            rows = d.Rows(IDC_CHECK_LIST);
            for (int i = 0; i < 3; ++i)
                loaded.push_back(d.GetList().GetCheck(i));
            d.Click(IDC_CLEAR_ALL);
            d.GetList().SetCheck(1, 1);
            d.Click(bOk ? IDOK : IDCANCEL);
        };
        EXPECT_EQ(bOk ? IDOK : IDCANCEL, dlg.DoModal());
        EXPECT_STREQ(bOk ? "OK" : "&Read", strOk);
        EXPECT_STREQ("Choose the parameters to read:", strPrompt);
        EXPECT_EQ((Rows{"Voltage", "Current", "Offset"}), rows);
        EXPECT_EQ((std::vector<int>{1, 0, 1}), loaded);
        EXPECT_EQ(bOk ? FALSE : TRUE, checks[0]);
        EXPECT_EQ(bOk ? TRUE : FALSE, checks[1]);
        EXPECT_EQ(bOk ? FALSE : TRUE, checks[2]);
        dlg.m_script = nullptr;
    }
    CScripted<CCheckListDlg> setAll(0, nullptr, nullptr, "", "");
    setAll.m_script = [](CScripted<CCheckListDlg>& d) {
        d.Click(IDC_SET_ALL);
        d.Click(IDOK);
    };
    EXPECT_EQ(IDOK, setAll.DoModal()) << "no items, no arrays";
}

TEST_F(SharedDialogs, ChangeGridRefusesSpacingsOutsideFiveToAHundred)
{
    CScripted<CChangeGridDlg> dlg(20, 30);
    std::vector<bool> stayedOpen;
    CString strX;
    int nSpinLower = 0, nSpinUpper = 0;
    dlg.m_script = [&](CScripted<CChangeGridDlg>& d) {
        strX = d.Text(IDC_GRID_X);
        static_cast<CSpinButtonCtrl*>(d.GetDlgItem(IDC_GRID_Y_SPIN))->GetRange(nSpinLower, nSpinUpper);
        for (const char* pszBad : {"4", "101"}) {
            d.SetDlgItemText(IDC_GRID_X, pszBad);
            d.Click(IDOK);
            stayedOpen.push_back(d.ContinueModal() != FALSE);
        }
        d.SetDlgItemText(IDC_GRID_X, "5");
        d.SetDlgItemText(IDC_GRID_Y, "100");
        d.Click(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("20", strX);
    EXPECT_EQ(5, nSpinLower);
    EXPECT_EQ(100, nSpinUpper);
    EXPECT_EQ((std::vector<bool>{true, true}), stayedOpen);
    EXPECT_EQ(2u, boxes.texts.size());
    EXPECT_EQ(5, dlg.m_nX);
    EXPECT_EQ(100, dlg.m_nY);
}

TEST_F(SharedDialogs, CaptionAndRenameTakeOnlyFileNames)
{
    CScripted<CNewCaptionDlg> caption("Create Geometry File");
    CString strTitle;
    UINT nLimit = 0;
    std::vector<bool> stayedOpen;
    caption.m_script = [&](CScripted<CNewCaptionDlg>& d) {
        strTitle = d.Caption();
        nLimit = static_cast<UINT>(d.SendDlgItemMessage(IDC_CAPTION_TEXT, EM_GETLIMITTEXT));
        for (const char* pszBad : {"", "..\\a", "con"}) {
            d.SetDlgItemText(IDC_CAPTION_TEXT, pszBad);
            d.Click(IDOK);
            stayedOpen.push_back(d.ContinueModal() != FALSE);
        }
        d.SetDlgItemText(IDC_CAPTION_TEXT, "GEO1");
        d.Click(IDOK);
    };
    EXPECT_EQ(IDOK, caption.DoModal());
    EXPECT_STREQ("Create Geometry File", strTitle);
    EXPECT_EQ(8u, nLimit);
    EXPECT_EQ((std::vector<bool>{true, true, true}), stayedOpen);
    EXPECT_STREQ("GEO1", caption.GetCaption());

    CScripted<CRenameDlg> rename("LINE1");
    CString strOld, strNew;
    rename.m_script = [&](CScripted<CRenameDlg>& d) {
        strOld = d.Text(IDC_OLD_NAME);
        strNew = d.Text(IDC_NEW_NAME);
        nLimit = static_cast<UINT>(d.SendDlgItemMessage(IDC_NEW_NAME, EM_GETLIMITTEXT));
        d.SetDlgItemText(IDC_NEW_NAME, "a/b");
        d.Click(IDOK);
        d.SetDlgItemText(IDC_NEW_NAME, "LINE2");
        d.Click(IDOK);
    };
    EXPECT_EQ(IDOK, rename.DoModal());
    EXPECT_STREQ("LINE1", strOld);
    EXPECT_STREQ("LINE1", strNew);
    EXPECT_EQ(8u, nLimit);
    EXPECT_STREQ("LINE2", rename.m_strNewName);
    EXPECT_EQ(4u, boxes.texts.size()) << "each refused name was explained";
}

TEST_F(SharedDialogs, NumericProgressShowsItsOwnText)
{
    CNumericProgressDlg progress;
    ASSERT_TRUE(progress.Create());
    progress.ShowWindow(SW_SHOW);
    SECProgressCtrl& bar = progress.GetProgressCtrl();
    EXPECT_EQ(static_cast<DWORD>(SEC_PROGRESS_CUSTOM_TEXT), bar.GetBarStyle() & (SEC_PROGRESS_PERCENT | SEC_PROGRESS_CUSTOM_TEXT));
    progress.SetRange(0, 200);
    progress.SetPos(50, "Spacing 2");
    progress.SetPos(60, "");
    CString strText;
    bar.GetText(strText);
    EXPECT_STREQ("Spacing 2", strText);
    EXPECT_EQ(60u, bar.GetPos());
    progress.SetStep(10);
    progress.StepIt();
    EXPECT_EQ(70u, bar.GetPos());
    progress.Reset();
    EXPECT_EQ(0u, bar.GetPos());
    progress.DestroyWindow();
}
