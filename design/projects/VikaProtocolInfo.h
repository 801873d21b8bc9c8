// One protocol of a Vika project: three section files (".ORG", ".UP",
// ".DWN") sharing a base name in one folder. The record adds the address
// file, the channel count and the section counts to the project record and
// fills them from the headers and command lines of the section files.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolInfo.h"

// The kinds of file of a Vika protocol, the index into g_strVikaExtensions.
enum VikaFileKind { VikaOrg = 0, VikaUp = 1, VikaDwn = 2, VikaAdr = 3, VikaXyz = 4, VikaKindCount = 5 };

// ".ORG", ".UP", ".DWN", ".ADR", ".XYZ": every Vika class takes its
// extensions from here.
extern const CString g_strVikaExtensions[VikaKindCount];

class CVikaProtocolInfo : public CProtocolInfo
{
public:
    // Status bits.
    enum { StatusOrgMissing = 1, StatusOrgEmpty = 2, StatusSectionEmpty = 4 };

    CVikaProtocolInfo();
    ~CVikaProtocolInfo() override;

    void Serialize(CArchive& ar) override;
    // Starts from a clean record each time, so a section that lost its
    // commands or a file that went away shows on the next read.
    void ReadHeader() override;
    int GetStatusIcon() override;
    int GetItemCount() override;

    virtual CString GetFilePath(int nKind);
    virtual BOOL FileExists(int nKind);
    virtual UINT GetChannels() const { return m_nChannels; }
    virtual UINT GetOrgCount() const { return m_nOrgCount; }
    virtual UINT GetUpCount() const { return m_nUpCount; }
    virtual UINT GetDwnCount() const { return m_nDwnCount; }
    virtual const CString& GetAddressFile() const { return m_strAddressFile; }
    virtual void SetChannels(UINT n) { m_nChannels = n; }
    virtual void SetItemCount(UINT n) { m_nOrgCount = n; }
    virtual void SetOrgCount(UINT n) { m_nOrgCount = n; }
    virtual void SetUpCount(UINT n) { m_nUpCount = n; }
    virtual void SetDwnCount(UINT n) { m_nDwnCount = n; }
    virtual void SetAddressFile(LPCTSTR psz) { m_strAddressFile = psz; }
    // The number of measuring channels a command line holds.
    static int CountChannelsInLine(const CString& strLine, int nArrayCode);

    // The text of a list column by column id (2-8), and whether the id has one.
    BOOL GetColumnText(UINT nColumnId, CString& strText);

protected:
    void ReadSection(int nSection);

    CString m_strAddressFile;
    UINT m_nChannels = 1;
    UINT m_nOrgCount = 0;
    UINT m_nUpCount = 0;
    UINT m_nDwnCount = 0;
};
