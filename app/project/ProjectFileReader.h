// Reading the common project file layout (".dcv", ".vkp", ".pvp") with every
// length checked against what the file really holds.
#pragma once

#include "framework/Portable.h"
#include "app/project/ColumnProperty.h"

#include <vector>

// A project file this program cannot load; the text says why.
class CProjectFileException : public CArchiveException
{
public:
    CProjectFileException(int nCause, const CString& strReason);
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
    using CArchiveException::GetErrorMessage;
    const CString& GetReason() const { return m_strReason; }

private:
    CString m_strReason;
};

struct CProjectFileContents
{
    DWORD dwVersion = 0;
    CString strSourceFolder;
    CString strTargetFolder;
    std::vector<CString> names;
    // In stored position order, renumbered densely from 0.
    std::vector<CColumnProperty> columns;
};

// Throws CProjectFileException for a wrong version word or a file that ends
// inside a field.
CProjectFileContents ReadProjectFile(CArchive& ar);
