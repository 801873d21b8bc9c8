#include "mvc/controls/DirSelectDlg.h"

#include "mvc/controls/FileSystem.h"

#include <shlobj.h>

#include <vector>

namespace {

int CALLBACK PreselectFolder(HWND hwnd, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data)
    ::SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

SECDirSelectDlg::SECDirSelectDlg(WORD wStyle, const CString& title, const CString& initialDir, CWnd* pOwner,
                                 DWORD dwFlags)
    : m_wStyle(wStyle), m_strTitle(title), m_strInitialDir(initialDir), m_pOwner(pOwner),
      m_dwFlags(dwFlags ? dwFlags : 0x56) {}

CString SECDirSelectDlg::WithTrailingSeparator(const CString& path) {
  if (!path.IsEmpty() && path[path.GetLength() - 1] == '\\')
    return path;
  return path + "\\";
}

INT_PTR SECDirSelectDlg::DoModal() {
  // Only the shell's browser: the old file-dialog chooser served systems
  // before major version 4.
  CString start = m_strInitialDir;
  if (start.IsEmpty())
    start = SECFileSystem().GetCurrentDirectory();
  BROWSEINFOA info = {};
  info.hwndOwner = m_pOwner ? m_pOwner->GetSafeHwnd() : nullptr;
  info.lpszTitle = m_strTitle;
  // The newer browser has "Make New Folder": a fresh installation's
  // folders can be made where they are chosen. It needs COM.
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = PreselectFolder;
  info.lParam = reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(start));
  const HRESULT com = ::CoInitialize(nullptr);
  LPITEMIDLIST chosen = ::SHBrowseForFolderA(&info);
  if (SUCCEEDED(com))
    ::CoUninitialize();
  if (!chosen)
    return IDCANCEL;
  std::vector<char> path(32768, '\0');
  BOOL ok = ::SHGetPathFromIDListA(chosen, path.data());
  ::CoTaskMemFree(chosen);
  if (!ok || path[0] == '\0')
    return IDCANCEL;
  m_strPath = WithTrailingSeparator(path.data());
  return IDOK;
}
