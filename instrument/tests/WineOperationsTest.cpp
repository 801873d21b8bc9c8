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

#include <dlgs.h>

#include <cctype>
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
        fs::current_path(pc);  // a folder that is current cannot go
        for (const fs::path& root : {pc, drive})
            for (const auto& e : fs::directory_iterator(root))
                fs::remove_all(e.path());
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

// The user at a file dialog: notes the folder it opened in, then enters
// the names given, or cancels when there are none.
struct FileDialogUser {
    const char* title = "";
    std::string names;
    std::vector<fs::path> folders;
    HWND handled = nullptr;
};
FileDialogUser g_fileUser;

// By name: Wine gives folders no file identity to compare.
bool SameFolder(const fs::path& a, const fs::path& b)
{
    const auto key = [](const fs::path& p) {
        std::string text = p.lexically_normal().string();
        while (!text.empty() && (text.back() == '\\' || text.back() == '/'))
            text.pop_back();
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    return key(a) == key(b);
}

void CALLBACK UseFileDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = ::FindWindowA("#32770", g_fileUser.title);
    if (!dialog || dialog == g_fileUser.handled || !::IsWindowVisible(dialog))
        return;
    g_fileUser.handled = dialog;
    char folder[MAX_PATH] = {};
    ::SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    g_fileUser.folders.push_back(folder);
    if (g_fileUser.names.empty()) {
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    for (int id : {edt1, cmb13})
        ::SendMessageA(dialog, CDM_SETCONTROLTEXT, id, reinterpret_cast<LPARAM>(g_fileUser.names.c_str()));
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(WineOperations, InstallingGeometryFilesKeepsTheWorkingFolderAndCalibrationFilesOpenThere)
{
    const fs::path protocols = pc / "Protocol", projects = pc / "Projects";
    fs::create_directories(projects);
    const std::string one = WriteRandomFile(protocols / "LINE1.XYZ", 500, 14);
    const std::string two = WriteRandomFile(protocols / "LINE2.XYZ", 700, 15);
    CMemoryProfileStore profile;
    CSilentHostServices host(&profile);
    CHostServicesScope useHost(host);
    profile.WriteString("Folders", "VikaProtocols", protocols.string().c_str());
    profile.WriteString("Folders", "WorkingDir", projects.string().c_str());
    fs::current_path(projects);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, UseFileDialog);
    // Cancelled, then two files chosen: the dialog opens in the protocols
    // folder each time, and the working folder stays.
    for (const char* names : {"", "\"LINE1.XYZ\" \"LINE2.XYZ\""}) {
        g_fileUser = FileDialogUser{"Open", names, {}, nullptr};
        CInstallFiles install("", 0);
        PressOkWhenFinished(install.GetWindow(), install.GetStatusDlg());
        EXPECT_EQ(install.Execute(), 0);
        EXPECT_TRUE(SameFolder(fs::current_path(), projects)) << fs::current_path();
        ASSERT_EQ(g_fileUser.folders.size(), 1u);
        EXPECT_TRUE(SameFolder(g_fileUser.folders[0], protocols)) << g_fileUser.folders[0];
    }
    EXPECT_TRUE(ReadFile(drive / "LINE1.XYZ") == one);
    EXPECT_TRUE(ReadFile(drive / "LINE2.XYZ") == two);

    // Calibration files open in the working folder, wherever the current
    // directory was left by another command.
    fs::current_path(protocols);
    CModifyCalibrationParametersDlg calibration;
    ASSERT_TRUE(calibration.Create(CModifyCalibrationParametersDlg::IDD, nullptr));
    g_fileUser = FileDialogUser{"Save As", "", {}, nullptr};
    calibration.OnSaveAs();
    g_fileUser.title = "Open";
    calibration.OnLoadFile();
    ::KillTimer(nullptr, timer);
    calibration.DestroyWindow();
    ASSERT_EQ(g_fileUser.folders.size(), 2u);
    for (const fs::path& folder : g_fileUser.folders)
        EXPECT_TRUE(SameFolder(folder, projects)) << folder;
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

// The user presses "&Abort" of a slow import once its first bytes arrived.
void CALLBACK AbortOnceBytesArrive(HWND, UINT, UINT_PTR, DWORD)
{
    HWND window = ::FindWindowA(nullptr, "Import Data (S/N: 1234567)");
    char bytes[32] = {};
    if (window && ::GetDlgItemTextA(window, IDC_TRANSFER_BYTES, bytes, sizeof bytes) && std::atol(bytes) > 0)
        ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(WineOperations, AnAbortedImportCancelsTheInstrumentAndTheNextOneStartsClean)
{
    const std::string a = WriteRandomFile(drive / "DATA" / "SP" / "A.G7K", 20000, 10);
    CStringArray files;
    files.Add("C:\\DATA\\SP\\A.G7K");
    Control("baud 2400\n");
    {
        CImportData import(pc.string().c_str(), &files);
        PressOkWhenFinished(import.GetWindow(), import.GetStatusDlg());
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, AbortOnceBytesArrive);
        EXPECT_EQ(import.Execute(), -901);
        ::KillTimer(nullptr, timer);
    }
    EXPECT_TRUE(BoxShown("User cancelled operation"));
    EXPECT_FALSE(fs::exists(pc / "A.G7K"));
    EXPECT_NE(ReadFile(Env("G7K_SIM_LOG")).find("cancelled by the client"), std::string::npos);

    Control("");
    g_boxes.clear();
    CImportData again(pc.string().c_str(), &files);
    PressOkWhenFinished(again.GetWindow(), again.GetStatusDlg());
    EXPECT_EQ(again.Execute(), 0);
    EXPECT_TRUE(g_boxes.empty()) << g_boxes.front();
    const std::string log = static_cast<const char*>(again.GetStatusDlg().GetLogText());
    EXPECT_NE(log.find("Ok!\r\nSerial number: 1234567"), std::string::npos) << log;
    EXPECT_EQ(log.find("<NONE>"), std::string::npos) << log;
    EXPECT_TRUE(ReadFile(pc / "A.G7K") == a);
}

// Each operation against an instrument that answers with an error, or not at all.
TEST_F(WineOperations, ErrorRepliesAndASilentInstrumentEndTheOperationsWithTheirCodes)
{
    simtest::WriteFile(drive / "DATA" / "SP" / "A.G7K", "data");
    simtest::WriteFile(pc / "STDZIP.EXE", "zip");
    simtest::WriteFile(drive / "G7K.EXE", "x");
    struct Case { const char* control; int expected; const char* logged; };
    const Case cases[] = {{"dialect short\nerror TXX ERR 04\nerror RMZ ERR 07\nerror RMS ERR 08\nerror CAL ERR 05\n", -1,
                           " --- GVX7000/GVX2000 Error! Code: ERR 04"},
                          {"silent\n", -802, " --- (Error -802) Communication link timed out. ---"}};
    for (const Case& c : cases) {
        Control(c.control);
        CStringArray files;
        files.Add("C:\\DATA\\SP\\A.G7K");
        {
            CImportData import(pc.string().c_str(), &files);
            int waited = 0;
            import.GetWindow().SetWaitHook([&] {
                ++waited;
                ::PostMessageA(import.GetStatusDlg().m_hWnd, WM_COMMAND, IDCANCEL, 0);
            });
            EXPECT_EQ(import.Execute(), c.expected) << c.control;
            EXPECT_GT(waited, 0) << c.control << ": the log closed before it could be read";
            const std::string log = static_cast<const char*>(import.GetStatusDlg().GetLogText());
            EXPECT_NE(log.find(c.logged), std::string::npos) << log;
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
    {
        ScriptedCalibrationDlg reopened;  // reads what the instrument now holds
        ASSERT_TRUE(reopened.Create(CModifyCalibrationParametersDlg::IDD, nullptr));
        EXPECT_STREQ(FieldText(reopened, 1038), "1000001");
        reopened.DestroyWindow();
    }
    Received();

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

// Something answers GID, but not with a serial number.
TEST_F(WineOperations, AnInstrumentThatGivesNoSerialNumberIsNeverShownAsConnected)
{
    Control("error GID BUSY\n");
    CStringArray files;
    files.Add("C:\\DATA\\SP\\A.G7K");
    {
        CImportData import(pc.string().c_str(), &files);
        PressOkWhenFinished(import.GetWindow(), import.GetStatusDlg());
        EXPECT_EQ(import.Execute(), 1001);
        const std::string log = static_cast<const char*>(import.GetStatusDlg().GetLogText());
        EXPECT_EQ(log.find("Ok!"), std::string::npos) << log;
        EXPECT_EQ(log.find("-000001"), std::string::npos) << log;
    }
    EXPECT_TRUE(BoxShown("Could not recognize response as a Geovolt GVX7000/GVX2000"));
    ScriptedCalibrationDlg dialog;
    ASSERT_TRUE(dialog.Create(CModifyCalibrationParametersDlg::IDD, nullptr));
    CString title;
    dialog.GetWindowText(title);
    EXPECT_STREQ(title, "Modify Calibration Parameters (No GVX7000/GVX2000 connected)");
    dialog.DestroyWindow();
}

class RecordingPage : public CAdministratorPage {
public:
    std::vector<std::string> errors, written;

protected:
    void ShowError(const char* text) override { errors.push_back(text); }
    void ShowWritten(const char* text) override { written.push_back(text); }
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

    page.ApplyAll();
    EXPECT_TRUE(page.written.empty());  // nothing changed, nothing to confirm

    page.m_converterIndex = 1;
    page.m_serialText = "N/A";
    page.ApplyAll();
    const std::vector<std::string> received = Received();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.back(), "SDC 2");
    EXPECT_EQ(page.written, (std::vector<std::string>{
                                "Written to the connected Geovolt GVX7000/GVX2000:\nDC/DC converter: Type II (special)"}));
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

std::vector<std::vector<std::string>> g_offered;
void RecordOffer(CWnd*, const std::vector<std::string>& files, BOOL, BOOL)
{
    g_offered.push_back(files);
}

// A dialog over the simulator with the import folder given in the profile.
struct ImportDialogOn {
    explicit ImportDialogOn(const fs::path& folder) : host(&profile), useHost(host), configured(Configure(folder)) {}
    bool Configure(const fs::path& folder)
    {
        profile.WriteString("Folders", "ImportData", folder.string().c_str());
        profile.WriteInt("ImportData", "Overwrite", 1);
        profile.WriteInt("ImportData", "AutoAdd", 1);
        SetImportedFilesHook(RecordOffer);
        g_offered.clear();
        return true;
    }
    ~ImportDialogOn()
    {
        SetImportedFilesHook(nullptr);
        if (dialog.m_hWnd)
            dialog.DestroyWindow();
    }
    CMemoryProfileStore profile;
    CSilentHostServices host;
    CHostServicesScope useHost;
    bool configured;  // before the dialog, which reads the profile
    CImportDataDlg dialog{nullptr, nullptr};
};

TEST_F(WineOperations, ImportDialogOffersOnlyFilesThatArrivedAndMarksAfterImportAll)
{
    AfxSetMessageBoxHook(KeepTransferring);
    const std::string a = WriteRandomFile(drive / "DATA" / "SP" / "A.G7K", 3000, 11);
    simtest::WriteFile(pc / "A.G7K", "an older import");
    ImportDialogOn on(pc);
    ASSERT_TRUE(on.dialog.Create(CImportDataDlg::IDD, nullptr));
    IImportTree& tree = on.dialog.GetTreeItems();
    IImportTree::Item sp = tree.FirstChild(tree.Root());
    ToggleCheck(tree, sp);

    // The instrument refuses the file: the older copy is not offered.
    Control("error TXX ERR 04\n");
    UINT_PTR timer = ::SetTimer(nullptr, 0, 100, PressOkOfTheImport);
    on.dialog.OnImport();
    EXPECT_TRUE(g_offered.empty());
    EXPECT_EQ(ReadFile(pc / "A.G7K"), "an older import");

    Control("");
    on.dialog.OnImport();
    ASSERT_EQ(g_offered.size(), 1u);
    EXPECT_EQ(g_offered[0], (std::vector<std::string>{(pc / "A.G7K").string()}));
    EXPECT_TRUE(ReadFile(pc / "A.G7K") == a);

    fs::remove(pc / "A.G7K");
    on.dialog.MarkExistingFiles();
    EXPECT_FALSE(tree.HasExistsMark(tree.FirstChild(sp)));
    on.dialog.OnImportAll();
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(ReadFile(pc / "A.G7K") == a);
    EXPECT_TRUE(tree.HasExistsMark(tree.FirstChild(sp)));  // without an Update
}

TEST_F(WineOperations, UpdateWithASilentInstrumentSaysSoAndClearsTheTree)
{
    WriteRandomFile(drive / "DATA" / "SP" / "A.G7K", 100, 12);
    ImportDialogOn on(pc);
    ASSERT_TRUE(on.dialog.Create(CImportDataDlg::IDD, nullptr));
    EXPECT_EQ(on.dialog.m_filesFound, 1u);
    Control("silent\n");
    on.dialog.OnUpdate();
    EXPECT_TRUE(BoxShown("No GVX7000/GVX2000 answers"));
    EXPECT_EQ(on.dialog.GetTreeItems().Root(), nullptr);
    EXPECT_STREQ(FieldText(on.dialog, IDC_IMPORT_FOUND), "No GVX7000/GVX2000 connected.");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(on.dialog.m_hWnd, IDC_IMPORT_START)));
}

// A fresh installation: the import folder of the profile does not exist yet.
TEST_F(WineOperations, ImportIntoAMissingFolderOffersToCreateIt)
{
    const std::string a = WriteRandomFile(drive / "DATA" / "SP" / "A.G7K", 1000, 13);
    AfxSetMessageBoxHook(KeepTransferring);
    const fs::path fresh = pc / "GVX7000" / "Data";
    ImportDialogOn on(fresh);
    ASSERT_TRUE(on.dialog.Create(CImportDataDlg::IDD, nullptr));
    ASSERT_FALSE(fs::exists(fresh));
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, PressOkOfTheImport);
    on.dialog.OnImportAll();
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(BoxShown("does not exist. Do you want to create it?")) << testing::PrintToString(g_boxes);
    EXPECT_FALSE(BoxShown("Specified path does not exist!"));
    EXPECT_TRUE(ReadFile(fresh / "A.G7K") == a);
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
