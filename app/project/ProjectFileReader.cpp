#include "framework/Portable.h"
#include "app/project/ProjectFileReader.h"
#include "app/project/ProtocolModel.h"

#include <map>
#include <string>

CProjectFileException::CProjectFileException(int nCause, const CString& strReason)
    : CArchiveException(nCause)
    , m_strReason(strReason)
{
}

BOOL CProjectFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return AfxCopyErrorMessage(m_strReason, lpszError, nMaxError, pnHelpContext);
}

namespace {

[[noreturn]] void ThrowTruncated()
{
    throw CProjectFileException(CArchiveException::endOfFile,
        "The project file is damaged: it ends in the middle of its contents.");
}

void ReadExact(CArchive& ar, void* pBuffer, UINT nBytes)
{
    if (ar.Read(pBuffer, nBytes) != nBytes)
        ThrowTruncated();
}

BYTE ReadByte(CArchive& ar)
{
    BYTE b = 0;
    ReadExact(ar, &b, 1);
    return b;
}

WORD ReadWord(CArchive& ar)
{
    BYTE b[2];
    ReadExact(ar, b, 2);
    return static_cast<WORD>(b[0] | (b[1] << 8));
}

DWORD ReadDword(CArchive& ar)
{
    BYTE b[4];
    ReadExact(ar, b, 4);
    return static_cast<DWORD>(b[0]) | (static_cast<DWORD>(b[1]) << 8)
        | (static_cast<DWORD>(b[2]) << 16) | (static_cast<DWORD>(b[3]) << 24);
}

// Reads in slices, so a length prefix larger than the file cannot make us
// allocate more than the file really holds.
CString ReadString(CArchive& ar)
{
    DWORD nLength = ReadByte(ar);
    if (nLength == 0xFF) {
        nLength = ReadWord(ar);
        if (nLength == 0xFFFE)
            throw CProjectFileException(CArchiveException::badSchema,
                "The project file is damaged: it holds a string in an unknown form.");
        if (nLength == 0xFFFF)
            nLength = ReadDword(ar);
    }
    std::string text;
    char slice[4096];
    while (nLength > 0) {
        const UINT nPart = nLength < sizeof slice ? nLength : static_cast<UINT>(sizeof slice);
        ReadExact(ar, slice, nPart);
        text.append(slice, nPart);
        nLength -= nPart;
    }
    return CString(text.c_str(), static_cast<int>(text.size()));
}

DWORD ReadCount(CArchive& ar)
{
    const WORD w = ReadWord(ar);
    return w != 0xFFFF ? w : ReadDword(ar);
}

CColumnProperty ReadColumnProperty(CArchive& ar)
{
    ReadDword(ar); // the property's own version word
    const UINT nId = ReadDword(ar);
    const int nAlignment = static_cast<LONG>(ReadDword(ar));
    const int nWidth = static_cast<LONG>(ReadDword(ar));
    int nDirection = static_cast<LONG>(ReadDword(ar));
    const CString strHeading = ReadString(ar);
    const CString strDescription = ReadString(ar);
    if (nDirection != 1 && nDirection != -1)
        nDirection = 1;
    CColumnProperty prop(nId, nAlignment, nWidth, FALSE, strHeading, strDescription);
    prop.SetDescription(strDescription);
    prop.SetSortDirection(nDirection);
    return prop;
}

} // namespace

CProjectFileContents ReadProjectFile(CArchive& ar)
{
    CProjectFileContents contents;
    contents.dwVersion = ReadDword(ar);
    if (contents.dwVersion != PROJECT_FILE_VERSION) {
        CString strReason;
        strReason.Format("This is not a project file this program can read "
                         "(version word %lu, expected %lu).",
                         static_cast<unsigned long>(contents.dwVersion),
                         static_cast<unsigned long>(PROJECT_FILE_VERSION));
        throw CProjectFileException(CArchiveException::badSchema, strReason);
    }
    contents.strSourceFolder = ReadString(ar);
    contents.strTargetFolder = ReadString(ar);

    // Each name takes at least one byte, so a false count runs into the end
    // of the file long before memory runs out.
    const DWORD nNames = ReadDword(ar);
    for (DWORD i = 0; i < nNames; ++i)
        contents.names.push_back(ReadString(ar));

    std::map<DWORD, CColumnProperty> byPosition;
    const DWORD nColumns = ReadCount(ar);
    for (DWORD i = 0; i < nColumns; ++i) {
        const DWORD nPosition = ReadDword(ar);
        CColumnProperty prop = ReadColumnProperty(ar);
        auto it = byPosition.find(nPosition);
        if (it != byPosition.end())
            it->second = prop;
        else
            byPosition.emplace(nPosition, prop);
    }
    for (auto& entry : byPosition)
        contents.columns.push_back(entry.second);
    return contents;
}
