#include "framework/Framework.h"
#include "app/tests/WindowScript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace windowscript {

namespace {

struct Script
{
    std::string strCaption;
    std::function<void(HWND)> run;
    bool bRan = false;
};

// The scripts waiting, the innermost last.
std::vector<std::shared_ptr<Script>> g_waiting;

BOOL CALLBACK FindCaption(HWND hWnd, LPARAM lParam)
{
    auto* pScript = reinterpret_cast<Script*>(lParam);
    char szTitle[256] = "";
    GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    if (!IsWindowVisible(hWnd) || !IsWindowEnabled(hWnd) || std::string(szTitle).rfind(pScript->strCaption, 0) != 0)
        return TRUE;
    pScript->bRan = true;
    pScript->run(hWnd);
    return FALSE;
}

// Ticks of the timer since a script last ran; a window nobody waits for
// would otherwise keep its modal loop, and the test, for good.
int g_nIdleTicks = 0;
constexpr int kGiveUpTicks = 400;

BOOL CALLBACK CancelStray(HWND hWnd, LPARAM)
{
    char szTitle[256] = "";
    GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    if (!IsWindowVisible(hWnd) || !IsWindowEnabled(hWnd) || (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        return TRUE;
    ADD_FAILURE() << "no script waits for the window \"" << szTitle << "\"";
    PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK RunScripts(HWND, UINT, UINT_PTR, DWORD)
{
    if (++g_nIdleTicks > kGiveUpTicks) {
        g_nIdleTicks = 0;
        EnumThreadWindows(GetCurrentThreadId(), CancelStray, 0);
    }
    if (g_waiting.empty())
        return;
    // Held here: the script may queue another while it runs.
    std::shared_ptr<Script> pScript = g_waiting.back();
    if (pScript->bRan)
        return;
    EnumThreadWindows(GetCurrentThreadId(), FindCaption, reinterpret_cast<LPARAM>(pScript.get()));
    if (pScript->bRan) {
        g_nIdleTicks = 0;
        g_waiting.erase(std::remove(g_waiting.begin(), g_waiting.end(), pScript), g_waiting.end());
    }
}

} // namespace

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (AfxGetApp() && AfxGetApp()->PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (AfxGetApp())
        AfxGetApp()->OnIdle(0);
}

void Expect(const char* pszCaption, std::function<void(HWND)> run)
{
    g_waiting.push_back(std::make_shared<Script>(Script{pszCaption, std::move(run)}));
}

namespace {

int RunWaiting(const char* pszCaption, std::function<void(HWND)> run, std::function<int()> open, bool& bShown)
{
    auto pScript = std::make_shared<Script>(Script{pszCaption, std::move(run)});
    g_waiting.push_back(pScript);
    g_nIdleTicks = 0;
    const UINT_PTR nTimer = SetTimer(nullptr, 0, 50, RunScripts);
    const int nResult = open();
    KillTimer(nullptr, nTimer);
    g_waiting.erase(std::remove(g_waiting.begin(), g_waiting.end(), pScript), g_waiting.end());
    bShown = pScript->bRan;
    return nResult;
}

} // namespace

int Drive(const char* pszCaption, std::function<void(HWND)> run, std::function<int()> open)
{
    bool bShown = false;
    const int nResult = RunWaiting(pszCaption, std::move(run), std::move(open), bShown);
    EXPECT_TRUE(bShown) << pszCaption;
    return nResult;
}

bool DriveIfShown(const char* pszCaption, std::function<void(HWND)> run, std::function<int()> open)
{
    bool bShown = false;
    RunWaiting(pszCaption, std::move(run), std::move(open), bShown);
    return bShown;
}

void Click(HWND hDialog, int nId)
{
    SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDialog, nId)));
}

void PostClick(HWND hDialog, int nId)
{
    PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDialog, nId)));
}

void SelectComboText(HWND hDialog, int nId, const char* pszText)
{
    HWND hCombo = GetDlgItem(hDialog, nId);
    const LRESULT nIndex =
        SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszText));
    EXPECT_GE(nIndex, 0) << pszText;
    SendMessageA(hCombo, CB_SETCURSEL, nIndex, 0);
    SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
    SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nId, CBN_SELENDOK), reinterpret_cast<LPARAM>(hCombo));
}

std::string ItemText(HWND hDialog, int nId)
{
    char szText[512] = "";
    GetDlgItemTextA(hDialog, nId, szText, sizeof szText);
    return szText;
}

std::vector<std::string> ListBoxRows(HWND hList)
{
    std::vector<std::string> rows;
    const LRESULT nCount = SendMessageA(hList, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < nCount; ++i) {
        std::string strRow(static_cast<size_t>(SendMessageA(hList, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&strRow[0]));
        strRow.resize(strRow.find('\0'));
        rows.push_back(strRow);
    }
    return rows;
}

std::string ReadFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& strPath, const std::string& strText)
{
    std::ofstream(strPath, std::ios::binary | std::ios::trunc) << strText;
}

bool Exists(const std::string& strPath)
{
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FreshFolder(const std::string& strName)
{
    char szTemp[MAX_PATH] = "";
    GetTempPathA(sizeof szTemp, szTemp);
    const std::string strFolder = std::string(szTemp) + strName + "\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA((strFolder + "*").c_str(), &found);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((strFolder + found.cFileName).c_str());
        } while (FindNextFileA(hFind, &found));
        FindClose(hFind);
    }
    return strFolder;
}

} // namespace windowscript
