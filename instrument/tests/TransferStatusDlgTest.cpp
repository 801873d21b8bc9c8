// The transfer-status window as the library's progress monitor.
#include "instrument/TransferStatusDlg.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

class StatusWindow : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&controls);
        ASSERT_TRUE(dlg.Create(CTransferStatusDlg::IDD, nullptr));
        dlg.EnableFields(FALSE);
    }
    void TearDown() override { dlg.DestroyWindow(); }

    void Click(int id) { ::SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    CTransferStatusDlg dlg{"Import Data"};
};

TEST_F(StatusWindow, ShowsProgressOfTheCurrentFile)
{
    EXPECT_STREQ(dlg.GetFieldText(IDC_TRANSFER_FILE), "<No transfer in progress>");
    EXPECT_STREQ(dlg.GetFieldText(IDC_TRANSFER_BYTES), "<N/A>");
    dlg.fileName = "line1.g7k";
    dlg.fileCount = 1;
    dlg.fileSize = 200000;
    dlg.bytesDone = 150000;
    EXPECT_EQ(dlg.Progress(0), 0);
    EXPECT_STREQ(dlg.GetFieldText(IDC_TRANSFER_FILE), "LINE1.G7K");
    EXPECT_STREQ(dlg.GetFieldText(IDC_TRANSFER_BYTES), "150000");
    EXPECT_STREQ(dlg.GetFieldText(IDC_TRANSFER_SIZE), "200000");
    EXPECT_EQ(dlg.GetProgressCtrl().GetPos(), 150000u);
    EXPECT_STREQ(dlg.GetLogText(), "\r\n\tLINE1.G7K...");

    // A failing result, or the same byte count, changes nothing.
    dlg.fileName = "other.g7k";
    EXPECT_EQ(dlg.Progress(-802), -802);
    EXPECT_EQ(dlg.Progress(0), 0);
    EXPECT_STREQ(dlg.GetFieldText(IDC_TRANSFER_FILE), "LINE1.G7K");

    dlg.Message("Sending a ZACK");
    EXPECT_STREQ(dlg.GetFieldText(IDC_TRANSFER_MESSAGE), "Sending a ZACK");
    dlg.SetTitle("Import Data (S/N: 0001234)");
    char title[64];
    ::GetWindowTextA(dlg.m_hWnd, title, sizeof title);
    EXPECT_STREQ(title, "Import Data (S/N: 0001234)");
}

// The session starts before the first file header, and a broken line
// makes the library retry without moving a byte.
TEST_F(StatusWindow, LogsOnlyRealFileNamesAndShowsRetries)
{
    dlg.Reset(0);
    dlg.bytesDone = 0;
    EXPECT_EQ(dlg.Progress(0), 0);
    EXPECT_STREQ(dlg.GetLogText(), "");
    dlg.fileName = "a.g7k";
    dlg.fileSize = 1000;
    dlg.bytesDone = 590;
    dlg.Progress(0);
    for (int retry = 1; retry <= 3; ++retry) {
        ++dlg.errorCount;
        dlg.Progress(0);
    }
    EXPECT_STREQ(dlg.GetFieldText(IDC_TRANSFER_ERRORS), "3");
    EXPECT_STREQ(dlg.GetFieldText(IDC_TRANSFER_BYTES), "590");
    EXPECT_STREQ(dlg.GetLogText(), "\r\n\tA.G7K...");
}

TEST_F(StatusWindow, AbortAsksWhileOpenAndNotAfterFinish)
{
    int asked = 0;
    bool answer = false;
    dlg.SetConfirmAbort([&] { ++asked; return answer; });
    Click(IDCANCEL);
    EXPECT_FALSE(dlg.IsAborted());
    EXPECT_EQ(dlg.QueryAbort(), 0);
    answer = true;
    Click(IDCANCEL);
    EXPECT_TRUE(dlg.IsAborted());
    EXPECT_EQ(dlg.QueryAbort(), -901);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));  // the owner closes it, not the button

    CTransferStatusDlg finished("x");
    ASSERT_TRUE(finished.Create(CTransferStatusDlg::IDD, nullptr));
    finished.SetConfirmAbort([&] { ++asked; return false; });
    finished.SetOkButton();
    finished.Finish();
    ::SendMessageA(finished.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(finished.IsAborted());
    EXPECT_EQ(asked, 2);
    char label[16];
    ::GetDlgItemTextA(finished.m_hWnd, IDCANCEL, label, sizeof label);
    EXPECT_STREQ(label, "&Ok");
    finished.DestroyWindow();
}

TEST_F(StatusWindow, LogKeepsItsLatestCharacters)
{
    std::string line(1000, 'x');
    line += "\r\n";
    for (int i = 0; i < 40; ++i)
        dlg.Log(line.c_str());
    dlg.Log("last");
    EXPECT_EQ(dlg.GetLogText().GetLength(), CTransferStatusDlg::kLogLimit);
    EXPECT_EQ(::GetWindowTextLengthA(::GetDlgItem(dlg.m_hWnd, IDC_TRANSFER_LOG)), CTransferStatusDlg::kLogLimit);
    EXPECT_EQ(std::string(dlg.GetLogText().Right(4)), "last");
}

} // namespace
