#include "framework/Portable.h"
#include "app/project/ProtocolInfo.h"
#include "design/ArrayCodes.h"

IMPLEMENT_SERIAL(CProtocolInfo, CObject, VERSIONABLE_SCHEMA)

CProtocolInfo::CProtocolInfo(UINT nSchema)
    : m_nSchema(nSchema)
    , m_nLoadedVersion(nSchema)
{
}

// List rows still observing this record are told by the subject's own
// destructor (OnSubjectDestroyed) and forget it.
CProtocolInfo::~CProtocolInfo() = default;

void CProtocolInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nSchema);
        ar << m_strName << m_strFolder << m_strGeometryFile;
        return;
    }
    DWORD dwVersion = 0;
    ar >> dwVersion;
    m_nLoadedVersion = dwVersion;
    if (m_nSchema >= 256)
        ar >> m_strName >> m_strFolder >> m_strGeometryFile;
}

void CProtocolInfo::ReadHeader() {}
int CProtocolInfo::GetStatusIcon() { return 0; }
CString& CProtocolInfo::GetName() { return m_strName; }
CString& CProtocolInfo::GetFolder() { return m_strFolder; }
int CProtocolInfo::GetArrayCode() { return m_nArrayCode; }
void CProtocolInfo::GetArrayName(CString& strName) { strName = ArrayTypeName(m_nArrayCode); }
CString& CProtocolInfo::GetGeometryFile() { return m_strGeometryFile; }
int CProtocolInfo::GetItemCount() { return m_nItemCount; }
void CProtocolInfo::SetName(LPCTSTR pszName) { m_strName = pszName; }
void CProtocolInfo::SetFolder(LPCTSTR pszFolder) { m_strFolder = pszFolder; }
void CProtocolInfo::SetArrayCode(int nCode) { m_nArrayCode = nCode; }
void CProtocolInfo::SetGeometryFile(LPCTSTR pszFile) { m_strGeometryFile = pszFile; }
