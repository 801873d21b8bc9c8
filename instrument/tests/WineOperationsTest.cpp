// The instrument operations end to end under Wine, against the instrument
// simulator on a COM port of the prefix (run-wine-e2e.sh): installation and
// removal in both dialects, geometry files, import, calibration and the
// service page, with error replies and a silent instrument.
#include "CPP_ALL/GFComStream.h"
#include "framework/HostServices.h"
#include "framework/MemoryProfileStore.h"
#include "app/G7KException.h"
#include "instrument/AdministratorPage.h"
#include "instrument/CalibrationCommand.h"
#include "instrument/ImportData.h"
#include "instrument/ImportDataDlg.h"
#include "instrument/ImportSelection.h"
#include "instrument/InstallFiles.h"
#include "instrument/InstallModules.h"
#include "instrument/ModifyCalibrationParametersDlg.h"
#include "instrument/RemoveModules.h"
#include "instrument/SerialInterface.h"
#include "instrument/SerialInterfaceInfo.h"
#include "instrument/StatusLogDlg.h"
#include "tools/instrument-sim/tests/DriveFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using simtest::ReadFile;
using simtest::WriteRandomFile;

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

// The user at the message boxes: answers Yes and remembers what was shown.
std::vector<std::string> g_boxes;
int AnswerYes(HWND, LPCTSTR text, LPCTSTR, UINT)
{
    g_boxes.push_back(text);
    return IDYES;
}

class WineOperations : public testing::Test {
protected:
    void SetUp() override
    {
        if (Env("G7K_SIM_PORT").empty())
            GTEST_SKIP() << "run through run-wine-e2e.sh";
        g_serialInterfaceInfo.SetPortIndex(std::atoi(Env("G7K_SIM_PORT").c_str()));
        g_serialInterfaceInfo.SetBaudRate(38400);
        drive = Env("G7K_SIM_DRIVE");
        pc = Env("G7K_SIM_PC");
        Control("");
        for (const fs::path& root : {pc, drive})
            for (const auto& e : fs::directory_iterator(root))
                fs::remove_all(e.path());
        fs::current_path(pc);
        g_boxes.clear();
        previousHook = AfxSetMessageBoxHook(AnswerYes);
        logStart = ReadFile(Env("G7K_SIM_LOG")).size();
    }
    void TearDown() override
    {
        SerialInterface::Close(TRUE);
        if (Env("G7K_SIM_PORT").empty())
            return;
        AfxSetMessageBoxHook(previousHook);
        Control("");
    }

    void Control(const std::string& settings)
    {
        std::ofstream(Env("G7K_SIM_CONTROL"), std::ios::binary) << settings;
    }
    // The commands the simulator received since the test began (or since the last call).
    std::vector<std::string> Received()
    {
        const std::string log = ReadFile(Env("G7K_SIM_LOG"));
        std::vector<std::string> commands;
        size_t at = logStart;
        while ((at = log.find(" < ", at)) != std::string::npos) {
            const size_t end = log.find('\n', at);
            std::string command = log.substr(at + 3, end - at - 3);
            if (command != "? (probe)")
                commands.push_back(command);
            at = end;
        }
        logStart = log.size();
        return commands;
    }
    bool BoxShown(const std::string& part) const
    {
        for (const std::string& box : g_boxes)
            if (box.find(part) != std::string::npos)
                return true;
        return false;
    }
    // Presses "&Ok" of a finished transfer window.
    static void PressOkWhenFinished(CTransferOperationWindow& window, CTransferStatusDlg& dialog)
    {
        window.SetWaitHook([&dialog] { ::PostMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0); });
    }

    fs::path drive, pc;
    size_t logStart = 0;
    AFX_MESSAGEBOX_HOOK previousHook = nullptr;
};

TEST_F(WineOperations, InstallsModulesFromAFolderWithBlanksInBothDialects)
{
    const fs::path modules = pc / "My Modules";
    const std::string archive = WriteRandomFile(modules / "STDZIP.EXE", 40000, 1);
    const std::string protocols = WriteRandomFile(modules / "PROTOCOL.BIN", 3000, 2);
    for (const char* dialect : {"full", "short"}) {
        Control(std::string("dialect ") + dialect + "\n");
        Received();
        CInstallModules install(modules.string().c_str(), 0x2 | 0x20);
        PressOkWhenFinished(install.GetWindow(), install.GetStatusDlg());
        EXPECT_EQ(install.Execute(), 0) << dialect;
        EXPECT_TRUE(fs::exists(drive / "G7K.EXE")) << dialect << ": the archive was not expanded";
        if (std::string(dialect) == "short") {
            EXPECT_FALSE(fs::exists(drive / "STDZIP.EXE")) << "the archive was left behind";
        }
        EXPECT_TRUE(ReadFile(drive / "PROTOCOL.BIN") == protocols) << dialect;
        const std::string clear = std::string(dialect) == "full" ? "DEL G7KZIP.EXE VIKAZIP.EXE PVZIP.EXE RMCZIP.EXE" : "RMZ";
        const std::vector<std::string> expected =
            std::string(dialect) == "full"
                ? std::vector<std::string>{"GID", "VER", clear, "DSK", "INS STDZIP.EXE", clear, "DSK", "INS PROTOCOL.BIN"}
                : std::vector<std::string>{"GID", "VER", clear, "DSK", "INS", "XPX", clear, "DSK", "KSP"};
        EXPECT_EQ(Received(), expected) << dialect;
        for (const char* name : {"G7K.EXE", "PROTOCOL.BIN", "STDZIP.EXE"})
            fs::remove(drive / name);
    }
}

TEST_F(WineOperations, SkipsAModuleThatDoesNotFit)
{
    WriteRandomFile(pc / "POLYVECT.BIN", 100000, 3);
    Control("free 132767\n");
    CInstallModules install(pc.string().c_str(), 0x40);
    PressOkWhenFinished(install.GetWindow(), install.GetStatusDlg());
    EXPECT_EQ(install.Execute(), 0);
    EXPECT_FALSE(fs::exists(drive / "POLYVECT.BIN"));
    const std::string log = static_cast<const char*>(install.GetStatusDlg().GetLogText());
    EXPECT_NE(log.find("Required free disk space: 132768 bytes\r\n\tAvailable free disk space: 132767 bytes"),
              std::string::npos)
        << log;
}

class ChosenFiles : public CInstallFiles {
public:
    ChosenFiles(std::vector<std::string> paths) : CInstallFiles("", 0), m_paths(std::move(paths)) {}

protected:
    std::vector<std::string> ChooseFiles() override { return m_paths; }
    std::vector<std::string> m_paths;
};

TEST_F(WineOperations, InstallsGeometryFilesUnderTheirBareNames)
{
    std::vector<std::string> paths, data;
    for (const char* name : {"LINE1.XYZ", "LINE 2.XYZ", "LINE3.XYZ"}) {
        paths.push_back((pc / "Geo Files" / name).string());
        data.push_back(WriteRandomFile(paths.back(), 2000, static_cast<unsigned>(paths.size())));
    }
    ChosenFiles install(paths);
    PressOkWhenFinished(install.GetWindow(), install.GetStatusDlg());
    EXPECT_EQ(install.Execute(), 0);
    for (size_t i = 0; i < paths.size(); ++i)
        EXPECT_TRUE(ReadFile(drive / fs::path(paths[i]).filename()) == data[i]) << paths[i];
    std::vector<std::string> received = Received();
    ASSERT_EQ(received.size(), 5u);  // GID, VER, three installs
    EXPECT_EQ(received[3], "INS " + paths[1]);
}

TEST_F(WineOperations, RemovesModulesInBothDialects)
{
    for (const char* dialect : {"full", "short"}) {
        Control(std::string("dialect ") + dialect + "\n");
        for (const char* name : {"G7KVIKA.EXE", "PROTOCOL.BIN", "KSTEST.EXE", "G7K.EXE"})
            simtest::WriteFile(drive / name, "x");
        Received();
        CRemoveModules removal(0x2 | 0x20);
        removal.Create(CRemoveModules::IDD, nullptr);
        removal.SetWaitHook([&removal] { ::PostMessageA(removal.m_hWnd, WM_COMMAND, IDCANCEL, 0); });
        EXPECT_EQ(removal.Run(), 0) << dialect;
        EXPECT_FALSE(fs::exists(drive / "G7KVIKA.EXE")) << dialect;
        EXPECT_FALSE(fs::exists(drive / "KSTEST.EXE")) << dialect;
        EXPECT_TRUE(fs::exists(drive / "G7K.EXE")) << dialect;
        const std::vector<std::string> received = Received();
        ASSERT_GE(received.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(received.end() - 2, received.end()),
                  std::string(dialect) == "full" ? (std::vector<std::string>{"DEL G7KVIKA.EXE PROTOCOL.BIN", "DEL *TEST.EXE"})
                                                 : (std::vector<std::string>{"RMV", "RMT"}));
        EXPECT_NE(std::string(removal.GetLog()).find("Remove modules completed successfully"), std::string::npos);
    }
}

TEST_F(WineOperations, ImportsChosenFilesAndAllData)
{
    const std::string a = WriteRandomFile(drive / "DATA" / "SP" / "A.G7K", 5000, 4);
    const std::string b = WriteRandomFile(drive / "DATA" / "RES" / "B.G7K", 7000, 5);
    const std::string c = WriteRandomFile(drive / "DATA" / "LOG" / "C.LOG", 100, 6);
    CStringArray files;
    files.Add("C:\\DATA\\RES\\B.G7K");
    {
        CImportData import(pc.string().c_str(), &files);
        PressOkWhenFinished(import.GetWindow(), import.GetStatusDlg());
        EXPECT_EQ(import.Execute(), 0);
    }
    EXPECT_TRUE(ReadFile(pc / "B.G7K") == b);
    EXPECT_FALSE(fs::exists(pc / "A.G7K"));
    fs::remove(pc / "B.G7K");
    {
        CImportData import(pc.string().c_str());
        PressOkWhenFinished(import.GetWindow(), import.GetStatusDlg());
        EXPECT_EQ(import.ImportAll(), 0);
    }
    EXPECT_TRUE(ReadFile(pc / "A.G7K") == a);
    EXPECT_TRUE(ReadFile(pc / "B.G7K") == b);
    EXPECT_TRUE(ReadFile(pc / "C.LOG") == c);
}

// Each operation against an instrument that answers with an error, or not at all.
TEST_F(WineOperations, ErrorRepliesAndASilentInstrumentEndTheOperationsWithTheirCodes)
{
    simtest::WriteFile(drive / "DATA" / "SP" / "A.G7K", "data");
    simtest::WriteFile(pc / "STDZIP.EXE", "zip");
    simtest::WriteFile(drive / "G7K.EXE", "x");
    struct Case { const char* control; int expected; };
    const Case cases[] = {{"dialect short\nerror TXX ERR 04\nerror RMZ ERR 07\nerror RMS ERR 08\nerror CAL ERR 05\n", -1},
                          {"silent\n", -802}};
    for (const Case& c : cases) {
        Control(c.control);
        CStringArray files;
        files.Add("C:\\DATA\\SP\\A.G7K");
        {
            CImportData import(pc.string().c_str(), &files);
            PressOkWhenFinished(import.GetWindow(), import.GetStatusDlg());
            EXPECT_EQ(import.Execute(), c.expected) << c.control;
        }
        EXPECT_FALSE(fs::exists(pc / "A.G7K")) << c.control;
        {
            CInstallModules install(pc.string().c_str(), 0x2);
            PressOkWhenFinished(install.GetWindow(), install.GetStatusDlg());
            EXPECT_EQ(install.Execute(), c.expected) << c.control;
        }
        {
            CRemoveModules removal(0x1);
            removal.Create(CRemoveModules::IDD, nullptr);
            removal.SetWaitHook([&removal] { ::PostMessageA(removal.m_hWnd, WM_COMMAND, IDCANCEL, 0); });
            EXPECT_EQ(removal.Run(), c.expected) << c.control;
        }
        EXPECT_TRUE(fs::exists(drive / "G7K.EXE")) << c.control;
        CalibrationParameters p = CalibrationParameters::Defaults();
        int code = 0;
        try {
            CalibrationCommand command(nullptr);
            command.ReadAll(p);
        } catch (G7KException& e) {
            code = e.GetErrorCode();
        }
        EXPECT_EQ(code, c.expected) << c.control;
    }
}

TEST_F(WineOperations, CalibrationWritesOnlyTheChosenGroupWithFullPrecision)
{
    CalibrationParameters p = CalibrationParameters::Defaults();
    {
        CalibrationCommand command(nullptr);
        command.ReadAll(p);
    }
    EXPECT_EQ(p.low[2], 0.00041056);
    Received();
    p.low[2] = 0.000412345678;  // "%g" would send 0.000412346
    p.offset[0] = 1000000;
    const bool channel3[5] = {false, false, false, true, false};
    {
        CalibrationCommand command(nullptr);
        command.WriteGroups(p, channel3);
    }
    const std::vector<std::string> received = Received();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.back(), "CAL 3,1001740,0.000412345678,9.9748e-06,2.4234e-07");
    CalibrationParameters read = CalibrationParameters::Defaults();
    {
        CalibrationCommand command(nullptr);
        command.ReadAll(read);
        command.WriteGroups(CalibrationParameters::Defaults(), channel3);
    }
    EXPECT_EQ(read.low[2], 0.000412345678);
    EXPECT_EQ(read.offset[0], 1001740);
}

// The dialog with the user's answers and file choices given.
class ScriptedCalibrationDlg : public CModifyCalibrationParametersDlg {
public:
    CString savePath, loadPath, proposedSave, proposedLoad;
    BOOL groups[5] = {FALSE, TRUE, FALSE, FALSE, FALSE};

protected:
    BOOL ChooseGroups(BOOL chosen[5]) override
    {
        std::copy(groups, groups + 5, chosen);
        return TRUE;
    }
    CString ChooseSaveFile(const CString& proposed) override
    {
        proposedSave = proposed;
        return savePath;
    }
    CString ChooseLoadFile(const CString& pattern) override
    {
        proposedLoad = pattern;
        return loadPath;
    }
};

CString FieldText(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

TEST_F(WineOperations, CalibrationDialogReadsSetsSavesAndLoads)
{
    ScriptedCalibrationDlg dialog;
    ASSERT_TRUE(dialog.Create(CModifyCalibrationParametersDlg::IDD, nullptr));
    EXPECT_EQ(dialog.m_serial, 1234567);
    CString title;
    dialog.GetWindowText(title);
    EXPECT_STREQ(title, "Modify Calibration Parameters (S/N: 1234567)");
    EXPECT_STREQ(FieldText(dialog, 1042), "0.00041056");
    EXPECT_STREQ(FieldText(dialog, 1038), "1001740");

    // Set: channel 1 only, with an offset in range.
    dialog.SetDlgItemText(1038, "1000001");
    Received();
    dialog.OnSet();
    std::vector<std::string> received = Received();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.back(), "CAL 1,1000001,0.00041056,9.9748e-06,2.4234e-07");
    EXPECT_TRUE(BoxShown("Calibration parameters successfully set."));

    // An offset out of range is refused: nothing is sent.
    dialog.SetDlgItemText(1038, "1200001");
    g_boxes.clear();
    dialog.OnSet();
    EXPECT_TRUE(Received().empty());
    EXPECT_TRUE(BoxShown("between 800000 and 1200000"));

    // Save, change to the defaults, load back.
    dialog.SetDlgItemText(1038, "1000001");
    dialog.savePath = (pc / "cal.g7c").string().c_str();
    dialog.OnSaveAs();
    EXPECT_EQ(fs::file_size(pc / "cal.g7c"), 144u);
    EXPECT_EQ(std::string(dialog.proposedSave).substr(0, 8), "1234567-");
    dialog.OnDefault();
    EXPECT_STREQ(FieldText(dialog, 1038), "1001740");
    dialog.loadPath = dialog.savePath;
    dialog.OnLoadFile();
    EXPECT_STREQ(dialog.proposedLoad, "1234567*");
    EXPECT_STREQ(FieldText(dialog, 1038), "1000001");

    // A file of another size is refused and changes nothing.
    simtest::WriteFile(pc / "short.g7c", std::string(100, '\0'));
    dialog.loadPath = (pc / "short.g7c").string().c_str();
    g_boxes.clear();
    dialog.OnLoadFile();
    EXPECT_TRUE(BoxShown("144 bytes"));
    EXPECT_STREQ(FieldText(dialog, 1038), "1000001");
    dialog.DestroyWindow();

    CalibrationCommand command(nullptr);
    const bool all[5] = {true, true, true, true, true};
    command.WriteGroups(CalibrationParameters::Defaults(), all);
}

TEST_F(WineOperations, CalibrationDialogWithoutAnInstrumentDisablesSet)
{
    Control("silent\n");
    ScriptedCalibrationDlg dialog;
    ASSERT_TRUE(dialog.Create(CModifyCalibrationParametersDlg::IDD, nullptr));
    CString title;
    dialog.GetWindowText(title);
    EXPECT_STREQ(title, "Modify Calibration Parameters (No GVX7000/GVX2000 connected)");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, IDC_CALIBRATION_SET)));
    dialog.OnSaveAs();
    EXPECT_STREQ(dialog.proposedSave, "");
    dialog.DestroyWindow();
}

class RecordingPage : public CAdministratorPage {
public:
    std::vector<std::string> errors;

protected:
    void ShowError(const char* text) override { errors.push_back(text); }
};

TEST_F(WineOperations, ServicePageReadsAndWritesOnlyWhatChanged)
{
    CStatusLogDlg host("", nullptr);
    RecordingPage page;
    ASSERT_TRUE(page.Create(CAdministratorPage::IDD, &host));
    EXPECT_TRUE(page.m_initialised);
    EXPECT_STREQ(page.m_serialText, "1234567");
    EXPECT_EQ(page.m_typeIndex, 1);
    EXPECT_EQ(page.m_converterIndex, 0);
    Received();
    page.ApplySerialNumber();
    page.ApplyInstrumentType();
    page.ApplyConverterType();
    for (const std::string& command : Received())
        EXPECT_TRUE(command.rfind("SID", 0) && command.rfind("STY", 0) && command.rfind("SDC", 0)) << command;

    page.m_converterIndex = 1;
    page.m_serialText = "N/A";
    page.ApplySerialNumber();
    page.ApplyConverterType();
    const std::vector<std::string> received = Received();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.back(), "SDC 2");
    page.m_converterIndex = 0;
    page.ApplyConverterType();
    page.DestroyWindow();
}

TEST_F(WineOperations, ServicePageShowsTheInstrumentsErrorAndWritesNothing)
{
    Control("error GTY ERR 05\n");
    CStatusLogDlg host("", nullptr);
    RecordingPage page;
    ASSERT_TRUE(page.Create(CAdministratorPage::IDD, &host));
    EXPECT_FALSE(page.m_initialised);
    EXPECT_TRUE(BoxShown("ERR 05"));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, IDC_ADMIN_SERIAL)));
    Received();
    page.m_converterIndex = 2;
    page.ApplyConverterType();
    EXPECT_TRUE(Received().empty());
    page.DestroyWindow();
}

// The user of the import: keeps a running transfer going and presses "&Ok"
// of the finished window.
int KeepTransferring(HWND, LPCTSTR text, LPCTSTR, UINT)
{
    g_boxes.push_back(text);
    return std::string(text) == "Abort job?" ? IDNO : IDYES;
}

void CALLBACK PressOkOfTheImport(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND window = ::FindWindowA(nullptr, "Import Data (S/N: 1234567)"))
        ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(WineOperations, ImportDialogShowsTheFoldersAndImportsTheCheckedFiles)
{
    AfxSetMessageBoxHook(KeepTransferring);
    const std::string a = WriteRandomFile(drive / "DATA" / "SP" / "A.G7K", 3000, 7);
    WriteRandomFile(drive / "DATA" / "SP" / "B.G7K", 2000, 8);
    WriteRandomFile(drive / "DATA" / "IP" / "C.G7K", 1000, 9);
    simtest::WriteFile(pc / "B.G7K", "an older import");
    CMemoryProfileStore profile;
    CSilentHostServices host(&profile);
    CHostServicesScope useHost(host);
    profile.WriteString("Folders", "ImportData", pc.string().c_str());
    CImportDataDlg dialog(nullptr, nullptr);
    ASSERT_TRUE(dialog.Create(CImportDataDlg::IDD, nullptr));
    CString title;
    dialog.GetWindowText(title);
    EXPECT_STREQ(title, "Import data from Geovolt GVX7000/GVX2000 <S/N: 1234567>");
    EXPECT_EQ(dialog.m_filesFound, 3u);
    IImportTree& tree = dialog.GetTreeItems();
    IImportTree::Item root = tree.Root();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(tree.Text(root), "<S/N: 1234567>");
    std::vector<std::string> folders;
    IImportTree::Item sp = tree.FirstChild(root);
    for (IImportTree::Item f = sp; f; f = tree.NextSibling(f))
        folders.push_back(tree.Text(f) + (tree.IsDisabled(f) ? " disabled" : ""));
    EXPECT_EQ(folders, (std::vector<std::string>{"SP", "Resistivity (No files) disabled", "IP",
                                                 "Log. Data (No files) disabled", "Testing (No files) disabled"}));
    IImportTree::Item fileA = tree.FirstChild(sp);
    IImportTree::Item fileB = tree.NextSibling(fileA);
    EXPECT_EQ(tree.Text(fileA), "A.G7K");
    EXPECT_FALSE(tree.HasExistsMark(fileA));
    EXPECT_TRUE(tree.HasExistsMark(fileB));

    ToggleCheck(tree, sp);
    EXPECT_EQ(tree.GetCheck(root), kPartlyChecked);
    EXPECT_EQ(dialog.CollectSelectedFiles(), (std::vector<std::string>{"C:\\DATA\\SP\\A.G7K"}));
    UINT_PTR timer = ::SetTimer(nullptr, 0, 100, PressOkOfTheImport);
    dialog.OnImport();
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(ReadFile(pc / "A.G7K") == a);
    EXPECT_EQ(ReadFile(pc / "B.G7K"), "an older import");
    EXPECT_TRUE(tree.HasExistsMark(fileA));
    dialog.DestroyWindow();
}

TEST_F(WineOperations, ImportDialogReportsAnUnusablePortWhenItOpens)
{
    g_serialInterfaceInfo.SetPortIndex(60);  // no such port
    CImportDataDlg dialog(nullptr, nullptr);
    dialog.Create(CImportDataDlg::IDD, nullptr);
    EXPECT_TRUE(BoxShown("The serial port could not be opened."));
    if (dialog.m_hWnd)
        dialog.DestroyWindow();
}

} // namespace
