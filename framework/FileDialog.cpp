#include "framework/Framework.h"

#include <shlobj.h>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {
const size_t cchSingle = MAX_PATH * 4;
const size_t cchMulti = 64 * 1024;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog)
{
    m_pParentWnd = pParentWnd;
    memset(&m_ofn, 0, sizeof m_ofn);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.hInstance = AfxGetResourceHandle();
    m_buffer.assign((dwFlags & OFN_ALLOWMULTISELECT) ? cchMulti : cchSingle, '\0');
    if (lpszFileName != nullptr)
        lstrcpynA(m_buffer.data(), lpszFileName, (int)m_buffer.size());
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFilter != nullptr) {
        m_strFilter = ConvertFilter(lpszFilter);
        m_ofn.lpstrFilter = m_strFilter.c_str();
    }
    m_ofn.lpstrFile = m_buffer.data();
    m_ofn.nMaxFile = (DWORD)m_buffer.size();
}

std::string CFileDialog::ConvertFilter(LPCTSTR lpszFilter)
{
    std::string result = lpszFilter;
    for (char& ch : result) {
        if (ch == '|')
            ch = '\0';
    }
    result.push_back('\0');   // c_str() adds the second terminator
    return result;
}

void CFileDialog::SetResultBuffer(const char* pData, size_t nSize)
{
    m_buffer.assign(pData, pData + nSize);
    m_buffer.push_back('\0');
    m_buffer.push_back('\0');
    m_ofn.lpstrFile = m_buffer.data();
    m_ofn.nMaxFile = (DWORD)m_buffer.size();
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hDlg, UINT uMsg, WPARAM, LPARAM lParam)
{
    if (uMsg != WM_NOTIFY)
        return 0;
    auto* pNotify = (LPOFNOTIFYA)lParam;
    if (pNotify->hdr.code != CDN_SELCHANGE)
        return 0;
    // Make room for the whole selection before the user presses Open.
    auto* pThis = (CFileDialog*)pNotify->lpOFN->lCustData;
    HWND hWndDialog = ::GetParent(hDlg);
    int cchSpec = (int)::SendMessageA(hWndDialog, CDM_GETSPEC, 0, 0);
    int cchFolder = (int)::SendMessageA(hWndDialog, CDM_GETFOLDERPATH, 0, 0);
    size_t cchNeeded = (size_t)(cchSpec > 0 ? cchSpec : 0) + (size_t)(cchFolder > 0 ? cchFolder : 0) + MAX_PATH;
    // Every quoted name adds a separator and a terminator: double to be safe.
    cchNeeded *= 2;
    if (cchNeeded > pThis->m_buffer.size()) {
        pThis->m_buffer.resize(cchNeeded, '\0');
        pNotify->lpOFN->lpstrFile = pThis->m_buffer.data();
        pNotify->lpOFN->nMaxFile = (DWORD)pThis->m_buffer.size();
    }
    return 0;
}

int CFileDialog::DoModal()
{
    HWND hWndOwner = AfxGetSafeHwnd(m_pParentWnd);
    if (hWndOwner == nullptr)
        hWndOwner = AfxGetSafeHwnd(AfxGetMainWnd());
    m_ofn.hwndOwner = hWndOwner;
    m_ofn.lpstrFile = m_buffer.data();
    m_ofn.nMaxFile = (DWORD)m_buffer.size();
    if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && !(m_ofn.Flags & OFN_ENABLEHOOK)) {
        m_ofn.Flags |= OFN_ENABLEHOOK;
        m_ofn.lpfnHook = HookProc;
        m_ofn.lCustData = (LPARAM)this;
    }
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    if (bResult)
        return IDOK;
    if (::CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
        AfxMessageBox("Too many files were selected at once. Please select fewer files.", MB_ICONEXCLAMATION);
    return IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.lpstrFile != nullptr) {
        // A single selection among a multiple one: the first path.
        POSITION pos = GetStartPosition();
        if (pos != nullptr) {
            CString first = GetNextPathName(pos);
            return first;
        }
    }
    return m_ofn.lpstrFile != nullptr ? m_ofn.lpstrFile : "";
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    int nSlash = path.ReverseFind('\\');
    return nSlash >= 0 ? path.Mid(nSlash + 1) : path;
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int nDot = name.ReverseFind('.');
    return nDot >= 0 ? name.Mid(nDot + 1) : CString("");
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int nDot = name.ReverseFind('.');
    return nDot >= 0 ? name.Left(nDot) : name;
}

CString CFileDialog::GetFolderPath() const
{
    CString path = m_ofn.lpstrFile != nullptr ? m_ofn.lpstrFile : "";
    if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.lpstrFile[path.GetLength() + 1] != '\0')
        return path;   // "folder\0name\0name\0\0"
    int nSlash = path.ReverseFind('\\');
    return nSlash >= 0 ? path.Left(nSlash) : CString("");
}

POSITION CFileDialog::GetStartPosition() const
{
    return (m_ofn.lpstrFile != nullptr && m_ofn.lpstrFile[0] != '\0') ? (POSITION)m_ofn.lpstrFile : nullptr;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    // Explorer form: "folder\0name1\0name2\0\0", or one full path "path\0\0".
    LPTSTR lpsz = (LPTSTR)pos;
    if (lpsz == m_ofn.lpstrFile) {
        if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT)) {
            pos = nullptr;
            return m_ofn.lpstrFile;
        }
        lpsz += strlen(lpsz) + 1;
        if (*lpsz == '\0') {
            pos = nullptr;
            return m_ofn.lpstrFile;
        }
    }
    CString strPath = m_ofn.lpstrFile;
    CString strFileName = lpsz;
    lpsz += strlen(lpsz) + 1;
    pos = *lpsz == '\0' ? nullptr : (POSITION)lpsz;
    if (!strPath.IsEmpty()) {
        TCHAR ch = strPath[strPath.GetLength() - 1];
        if (ch != '\\' && ch != ':')
            strPath += '\\';
    }
    return strPath + strFileName;
}

BOOL AfxBrowseForFolder(CWnd* pParentWnd, LPCTSTR lpszTitle, CString& rPath)
{
    char display[MAX_PATH] = {};
    BROWSEINFOA bi = {};
    bi.hwndOwner = AfxGetSafeHwnd(pParentWnd != nullptr ? pParentWnd : AfxGetMainWnd());
    bi.pszDisplayName = display;
    bi.lpszTitle = lpszTitle;
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST pidl = ::SHBrowseForFolderA(&bi);
    if (pidl == nullptr)
        return FALSE;
    char path[MAX_PATH] = {};
    BOOL bResult = ::SHGetPathFromIDListA(pidl, path);
    ::CoTaskMemFree(pidl);
    if (bResult)
        rPath = path;
    return bResult;
}
