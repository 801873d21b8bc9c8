#include "framework/Portable.h"
#include "app/project/ColumnProperty.h"

IMPLEMENT_SERIAL(CColumnProperty, CObject, VERSIONABLE_SCHEMA)

CColumnProperty::CColumnProperty(UINT nSchema)
    : m_nSchema(nSchema)
{
}

CColumnProperty::CColumnProperty(UINT nColumnId, int nAlignment, int nWidth, BOOL /*bUnused*/,
                                 LPCTSTR pszHeading, LPCTSTR pszDescription, UINT nSchema)
    : m_nSchema(nSchema)
    , m_nColumnId(nColumnId)
    , m_nAlignment(nAlignment)
    , m_nWidth(nWidth)
    , m_strHeading(pszHeading ? pszHeading : "")
    , m_strDescription(pszDescription && *pszDescription ? CString(pszDescription) : m_strHeading)
{
}

CColumnProperty::CColumnProperty(const CColumnProperty& other)
    : CObject()
    , m_nSchema(other.m_nSchema)
    , m_nLoadedVersion(other.m_nLoadedVersion)
    , m_nColumnId(other.m_nColumnId)
    , m_nAlignment(other.m_nAlignment)
    , m_nWidth(other.m_nWidth)
    , m_nSortDirection(other.m_nSortDirection)
    , m_strHeading(other.m_strHeading)
    , m_strDescription(other.m_strDescription)
{
}

// Schema and loaded version describe this object's own archive form and are
// kept; only the column's content is copied.
CColumnProperty& CColumnProperty::operator=(const CColumnProperty& other)
{
    if (this == &other)
        return *this;
    m_nColumnId = other.m_nColumnId;
    m_nAlignment = other.m_nAlignment;
    m_nWidth = other.m_nWidth;
    m_nSortDirection = other.m_nSortDirection;
    m_strDescription = other.m_strDescription;
    m_strHeading = other.m_strHeading;
    return *this;
}

CColumnProperty::~CColumnProperty() = default;

void CColumnProperty::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nSchema);
        ar << static_cast<DWORD>(m_nColumnId);
        ar << static_cast<LONG>(m_nAlignment);
        ar << static_cast<LONG>(m_nWidth);
        ar << static_cast<LONG>(m_nSortDirection);
        ar << m_strHeading;
        ar << m_strDescription;
        return;
    }
    DWORD dwVersion = 0, dwId = 0;
    LONG nAlignment = 0, nWidth = 0, nDirection = 0;
    ar >> dwVersion;
    ar >> dwId;
    ar >> nAlignment;
    ar >> nWidth;
    ar >> nDirection;
    ar >> m_strHeading;
    ar >> m_strDescription;
    m_nLoadedVersion = dwVersion;
    m_nColumnId = dwId;
    m_nAlignment = nAlignment;
    m_nWidth = nWidth;
    m_nSortDirection = nDirection;
}
