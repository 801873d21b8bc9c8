// Dialogs: modal loop, data exchange and validation, property sheets, file
// dialog results.
#include "framework/tests/win/TestApp.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const UINT WM_RUNSCRIPT = WM_APP + 20;

// A dialog that runs a test script from inside its own modal loop.
class CValuesDlg : public CDialog
{
public:
    CValuesDlg() : CDialog(IDD_VALUES) {}

    int m_nCount = 10;
    CString m_strName = "abc";
    double m_dRatio = 0.25;
    int m_nEnabled = 1;
    int m_nRadio = 1;
    CString m_strKind = "be";
    std::function<void(CValuesDlg&)> m_script;
    bool m_bEndInInit = false;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 5, 100);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 8);
        DDX_Text(pDX, IDC_RATIO, m_dRatio);
        DDX_Check(pDX, IDC_ENABLED, m_nEnabled);
        DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
        DDX_CBString(pDX, IDC_KIND, m_strKind);
    }
    BOOL OnInitDialog() override
    {
        CComboBox* pKind = (CComboBox*)GetDlgItem(IDC_KIND);
        for (const char* s : { "Alpha", "Beta", "Gamma" })
            pKind->AddString(s);
        CDialog::OnInitDialog();
        if (m_bEndInInit)
            EndDialog(1059);
        else
            PostMessage(WM_RUNSCRIPT);
        return TRUE;
    }
    LRESULT OnRunScript(WPARAM, LPARAM)
    {
        if (m_script)
            m_script(*this);
        return 0;
    }
    CString Text(int nID) const
    {
        CString text;
        GetDlgItemText(nID, text);
        return text;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CValuesDlg, CDialog)
    ON_MESSAGE(WM_RUNSCRIPT, OnRunScript)
END_MESSAGE_MAP()

TEST(Dialog, LoadsMembersIntoControlsAndRefusesInvalidInput)
{
    MessageBoxRecorder boxes;
    CValuesDlg dlg;
    std::vector<CString> loaded;
    bool bStayedOpen = true;
    dlg.m_script = [&](CValuesDlg& d) {
        loaded = { d.Text(IDC_COUNT), d.Text(IDC_NAME), d.Text(IDC_RATIO), d.Text(IDC_KIND) };
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_ENABLED), 1u);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_RADIO2), 1u);
        // Each bad value is refused with a message; the dialog stays.
        for (const char* bad : { "abc", "500", "3" }) {
            d.SetDlgItemText(IDC_COUNT, bad);
            d.OnOK();
            bStayedOpen = bStayedOpen && d.ContinueModal() && d.IsWindowVisible();
        }
        d.SetDlgItemText(IDC_COUNT, "42");
        d.SetDlgItemText(IDC_RATIO, "1e-3");
        d.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO3);
        ((CComboBox*)d.GetDlgItem(IDC_KIND))->SetCurSel(2);
        d.OnOK();
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);

    EXPECT_EQ(loaded, (std::vector<CString>{ "10", "abc", "0.25", "Beta" }));   // "be" picked "Beta"
    EXPECT_TRUE(bStayedOpen);
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{ "Please enter an integer.",
                                                      "Please enter an integer between 5 and 100.",
                                                      "Please enter an integer between 5 and 100." }));
    EXPECT_EQ(dlg.m_nCount, 42);
    EXPECT_DOUBLE_EQ(dlg.m_dRatio, 0.001);
    EXPECT_EQ(dlg.m_nRadio, 2);
    EXPECT_EQ(dlg.m_strKind, "Gamma");
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(Dialog, TooLongTextIsRefusedAndTypingIsLimited)
{
    MessageBoxRecorder boxes;
    CValuesDlg dlg;
    UINT nLimit = 0;
    dlg.m_script = [&](CValuesDlg& d) {
        nLimit = (UINT)d.SendDlgItemMessage(IDC_NAME, EM_GETLIMITTEXT);
        d.SetDlgItemText(IDC_NAME, "far too long");   // set by program: not limited
        d.OnOK();
        d.OnCancel();
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(nLimit, 8u);
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{ "Please enter no more than 8 characters." }));
}

TEST(Dialog, EndDialogDuringInitEndsBeforeShowing)
{
    CValuesDlg dlg;
    dlg.m_bEndInInit = true;
    EXPECT_EQ(dlg.DoModal(), 1059);
}

CPoint WindowCentre(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    return rect.CenterPoint();
}

// Modal or modeless, a dialog with no parent of its own belongs to the main
// window and opens in its middle, whatever the template's origin says.
TEST(Dialog, OpensCentredOnTheMainWindowThatOwnsIt)
{
    CMainFrame* pMain = MainFrame();
    ASSERT_NE(nullptr, pMain);
    pMain->SetWindowPos(nullptr, 120, 90, 700, 520, SWP_NOZORDER);
    const CPoint ptMain = WindowCentre(pMain->m_hWnd);

    CValuesDlg modal;
    CPoint ptModal;
    HWND hModalOwner = nullptr;
    modal.m_script = [&](CValuesDlg& d) {
        ptModal = WindowCentre(d.m_hWnd);
        hModalOwner = ::GetWindow(d.m_hWnd, GW_OWNER);
        d.OnCancel();
    };
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    EXPECT_EQ(pMain->m_hWnd, hModalOwner);
    EXPECT_NEAR(ptMain.x, ptModal.x, 1);
    EXPECT_NEAR(ptMain.y, ptModal.y, 1);

    CValuesDlg modeless;
    ASSERT_TRUE(modeless.Create(IDD_VALUES, nullptr));
    EXPECT_EQ(pMain->m_hWnd, ::GetWindow(modeless.m_hWnd, GW_OWNER));
    EXPECT_TRUE(modeless.IsWindowVisible());
    EXPECT_NEAR(ptMain.x, WindowCentre(modeless.m_hWnd).x, 1);
    EXPECT_NEAR(ptMain.y, WindowCentre(modeless.m_hWnd).y, 1);
    modeless.DestroyWindow();
    PumpMessages();
}

TEST(DataExchange, NumbersParseWholeTextsOnly)
{
    struct Case { const char* text; bool bSigned; long long lo, hi; bool ok; long long value; } cases[] = {
        { "42", true, INT_MIN, INT_MAX, true, 42 },
        { "  -7 ", true, INT_MIN, INT_MAX, true, -7 },
        { "-7", false, 0, UINT_MAX, false, 0 },
        { "12abc", true, INT_MIN, INT_MAX, false, 0 },
        { "", true, INT_MIN, INT_MAX, false, 0 },
        { "4294967296", false, 0, UINT_MAX, false, 0 },
        { "2147483648", true, INT_MIN, INT_MAX, false, 0 },
    };
    for (const Case& c : cases) {
        long long value = 0;
        EXPECT_EQ(AfxParseInteger(c.text, c.bSigned, c.lo, c.hi, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
    double d = 0;
    EXPECT_TRUE(AfxParseReal(" 2.5e3 ", d));
    EXPECT_DOUBLE_EQ(d, 2500.0);
    for (const char* bad : { "", "1.2.3", "nan", "inf", "1e999", "x" })
        EXPECT_FALSE(AfxParseReal(bad, d)) << bad;
}

// Property sheets ------------------------------------------------------------------

class CTextPage : public CPropertyPage
{
public:
    CTextPage(UINT nID, const char* initial) : CPropertyPage(nID), m_strText(initial) {}
    CString m_strText;
    bool m_bOk = false, m_bCancel = false;
    std::function<void(CTextPage&)> m_onInit;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGE_TEXT, m_strText); }
    BOOL OnInitDialog() override
    {
        CPropertyPage::OnInitDialog();
        if (m_onInit)
            m_onInit(*this);
        return TRUE;
    }
    void OnOK() override { m_bOk = true; }
    void OnCancel() override { m_bCancel = true; }
};

TEST(PropertySheets, OkValidatesAndAppliesTheCreatedPages)
{
    CTextPage first(IDD_PAGE1, "one"), second(IDD_PAGE2, "two");
    first.m_onInit = [](CTextPage& page) {
        page.SetDlgItemText(IDC_PAGE_TEXT, "typed");
        ::PostMessageA(::GetParent(page.m_hWnd), PSM_PRESSBUTTON, PSBTN_OK, 0);
    };
    CPropertySheet sheet("Settings");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(first.m_strText, "typed");
    EXPECT_TRUE(first.m_bOk);
    EXPECT_FALSE(second.m_bOk);   // never shown, never created
    EXPECT_EQ(second.m_strText, "two");
}

TEST(PropertySheets, CancelResetsAndKeepsTheMembers)
{
    CTextPage first(IDD_PAGE1, "one");
    first.m_onInit = [](CTextPage& page) {
        page.SetDlgItemText(IDC_PAGE_TEXT, "typed");
        ::PostMessageA(::GetParent(page.m_hWnd), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    };
    CPropertySheet sheet("Settings");
    sheet.AddPage(&first);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_TRUE(first.m_bCancel);
    EXPECT_EQ(first.m_strText, "one");
}

// File dialog results ----------------------------------------------------------------

TEST(FileDialog, MultipleSelectionGivesEveryFullPath)
{
    struct Case { std::string buffer; bool bMulti; std::vector<CString> paths; } cases[] = {
        { std::string("C:\\data\0a.dcv\0b.dcv\0", 20), true, { "C:\\data\\a.dcv", "C:\\data\\b.dcv" } },
        { std::string("C:\\data\\one.dcv\0", 16), true, { "C:\\data\\one.dcv" } },
        { std::string("C:\\\0x.org\0", 10), true, { "C:\\x.org" } },
        { std::string("C:\\data\\one.dcv\0", 16), false, { "C:\\data\\one.dcv" } },
    };
    for (const Case& c : cases) {
        CFileDialog dlg(TRUE, nullptr, nullptr, c.bMulti ? OFN_ALLOWMULTISELECT : 0);
        dlg.SetResultBuffer(c.buffer.data(), c.buffer.size());
        std::vector<CString> paths;
        for (POSITION pos = dlg.GetStartPosition(); pos != nullptr;)
            paths.push_back(dlg.GetNextPathName(pos));
        EXPECT_EQ(paths, c.paths);
    }
    // A selection far beyond MAX_PATH is kept whole.
    std::string many = "C:\\data";
    many.push_back('\0');
    for (int i = 0; i < 2000; ++i) {
        many += "file" + std::to_string(i) + ".dcv";
        many.push_back('\0');
    }
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT);
    dlg.SetResultBuffer(many.data(), many.size());
    int n = 0;
    for (POSITION pos = dlg.GetStartPosition(); pos != nullptr; ++n)
        dlg.GetNextPathName(pos);
    EXPECT_EQ(n, 2000);
}

TEST(FileDialog, FilterBecomesNulSeparatedWithTwoNulsAtTheEnd)
{
    std::string filter = CFileDialog::ConvertFilter("Notes (*.note)|*.note|All Files (*.*)|*.*||");
    std::vector<std::string> parts;
    for (const char* p = filter.c_str(); *p != '\0'; p += strlen(p) + 1)
        parts.push_back(p);
    EXPECT_EQ(parts, (std::vector<std::string>{ "Notes (*.note)", "*.note", "All Files (*.*)", "*.*" }));
}

} // namespace
