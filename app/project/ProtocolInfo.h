// The base record of one file of a project. Families derive from it, read
// their file's header into it and add fields of their own.
#pragma once

#include "framework/Portable.h"
#include "mvc/MvcModel.h"

class CProtocolInfo : public CObject, public MvcModel
{
    DECLARE_SERIAL(CProtocolInfo)

public:
    explicit CProtocolInfo(UINT nSchema = 256);
    ~CProtocolInfo() override;

    void Serialize(CArchive& ar) override;
    virtual void ReadHeader();
    virtual int GetStatusIcon();
    virtual CString& GetName();
    virtual CString& GetFolder();
    virtual int GetArrayCode();
    virtual void GetArrayName(CString& strName);
    virtual CString& GetGeometryFile();
    virtual int GetItemCount();
    virtual void SetName(LPCTSTR pszName);
    virtual void SetFolder(LPCTSTR pszFolder);
    virtual void SetArrayCode(int nCode);
    virtual void SetGeometryFile(LPCTSTR pszFile);

    UINT GetSchema() const { return m_nSchema; }
    UINT GetLoadedVersion() const { return m_nLoadedVersion; }
    DWORD GetStatusFlags() const { return m_dwStatus; }
    void SetStatusFlags(DWORD dw) { m_dwStatus = dw; }
    void SetItemCount(int n) { m_nItemCount = n; }

    // The subject interface list rows observe.
    rw::ISubject* GetSubject() { return static_cast<rw::ISubject*>(static_cast<MvcModel*>(this)); }

protected:
    UINT m_nSchema;
    UINT m_nLoadedVersion;
    DWORD m_dwStatus = 0;
    CString m_strName;
    CString m_strFolder;
    int m_nArrayCode = -1;
    CString m_strGeometryFile;
    int m_nItemCount = 0;
};
