// One column of a project's list view: the datum it shows, its alignment,
// width, sort direction and captions. Stored inside every project file.
#pragma once

#include "framework/Portable.h"

class CColumnProperty : public CObject
{
    DECLARE_SERIAL(CColumnProperty)

public:
    explicit CColumnProperty(UINT nSchema = 256);
    CColumnProperty(UINT nColumnId, int nAlignment, int nWidth, BOOL bUnused,
                    LPCTSTR pszHeading, LPCTSTR pszDescription, UINT nSchema = 256);
    CColumnProperty(const CColumnProperty& other);
    CColumnProperty& operator=(const CColumnProperty& other);
    ~CColumnProperty() override;

    // Two properties are the same column when they show the same datum.
    bool operator==(const CColumnProperty& other) const { return m_nColumnId == other.m_nColumnId; }

    void Serialize(CArchive& ar) override;

    UINT GetSchema() const { return m_nSchema; }
    UINT GetLoadedVersion() const { return m_nLoadedVersion; }
    UINT GetColumnId() const { return m_nColumnId; }
    int GetAlignment() const { return m_nAlignment; }
    int GetWidth() const { return m_nWidth; }
    int GetSortDirection() const { return m_nSortDirection; }
    const CString& GetHeading() const { return m_strHeading; }
    const CString& GetDescription() const { return m_strDescription; }

    void SetColumnId(UINT nId) { m_nColumnId = nId; }
    void SetAlignment(int nAlignment) { m_nAlignment = nAlignment; }
    void SetWidth(int nWidth) { m_nWidth = nWidth; }
    void SetSortDirection(int nDirection) { m_nSortDirection = nDirection; }
    void ToggleSortDirection() { m_nSortDirection *= -1; }
    void SetHeading(LPCTSTR psz) { m_strHeading = psz; }
    void SetDescription(LPCTSTR psz) { m_strDescription = psz; }

private:
    UINT m_nSchema;
    UINT m_nLoadedVersion = 0;
    UINT m_nColumnId = 0;
    int m_nAlignment = 0;
    int m_nWidth = 0;
    int m_nSortDirection = 1;
    CString m_strHeading;
    CString m_strDescription;
};
