// One data file of a conversion project: its path (the record's name) and
// the facts read once from the file's header. The list shows its title.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolInfo.h"
#include "conversion/G7kHeader.h"

#include <cstdint>

class CConversionInfo : public CProtocolInfo
{
    DECLARE_SERIAL(CConversionInfo)

public:
    explicit CConversionInfo(UINT nSchema = 256);
    ~CConversionInfo() override;

    void Serialize(CArchive& ar) override;
    // Reads the file named by the record; never reports, only sets flags.
    void ReadHeader() override;
    // 1 missing or unreadable, 2 empty or cut short, 0 fine.
    int GetStatusIcon() override;
    // The title: the list shows data files by it.
    CString& GetName() override;

    // The path of the data file (the record's name field).
    const CString& GetPath() const { return m_strName; }

    // Whether "<folder>\<title>.LOG" exists; remembered for sorting.
    virtual BOOL HasLogFile();
    BOOL GetLogFlag() const { return m_bHasLog; }
    // The log of a data file: its folder, its title and ".LOG".
    static CString LogFileOf(const CString& strPath);

    virtual UINT GetChannelCount() { return m_nChannels; }
    virtual DWORD GetRecordCount() { return m_dwRecords; }
    // What "No of Data" shows: channels times records, without overflow.
    std::uint64_t GetDataCount() const { return static_cast<std::uint64_t>(m_nChannels) * m_dwRecords; }
    virtual double GetRefX() { return m_fRefX; }
    virtual double GetRefY() { return m_fRefY; }
    virtual double GetRefZ() { return m_fRefZ; }
    virtual double GetAzimuth() { return m_fAzimuth; }
    virtual double GetInclination() { return m_fInclination; }
    virtual CString& GetCaption() { return m_strCaption; }
    virtual CTime GetTime() { return m_time; }
    // Whether the header gave a creation time (a missing file has none).
    BOOL HasTime() const { return m_bHasTime; }
    virtual DWORD GetFileSize() { return m_dwFileSize; }
    virtual UINT GetVersion() { return m_nVersion; }
    virtual DWORD GetSerialNumber() { return m_dwSerialNumber; }
    virtual CString GetInstrument() { return m_strInstrument; }
    virtual CString& GetTitle() { return m_strTitle; }
    virtual CString& GetDataType() { return m_strDataType; }
    virtual CString& GetElectrodeSystem() { return m_strElectrodeSystem; }

    virtual void SetTime(CTime time)
    {
        m_time = time;
        m_bHasTime = TRUE;
    }
    virtual void SetFileSize(DWORD dwSize) { m_dwFileSize = dwSize; }
    virtual void SetVersion(UINT nVersion) { m_nVersion = static_cast<WORD>(nVersion); }
    virtual void SetSerialNumber(DWORD dwSerial) { m_dwSerialNumber = dwSerial; }
    virtual void SetInstrument(LPCTSTR pszInstrument) { m_strInstrument = pszInstrument; }
    virtual void SetTitle(LPCTSTR pszTitle) { m_strTitle = pszTitle; }
    virtual void SetCaption(LPCTSTR pszCaption) { m_strCaption = pszCaption; }

    // The facts of a header, as ReadHeader stores them.
    void ApplyHeader(const G7kHeader& header);

protected:
    float m_fRefX = 0, m_fRefY = 0, m_fRefZ = 0;
    float m_fAzimuth = 0, m_fInclination = 0;
    CString m_strCaption;
    CString m_strTitle;
    CString m_strDataType;
    CString m_strElectrodeSystem;
    CString m_strInstrument;
    DWORD m_dwSerialNumber = 0;
    WORD m_nVersion = 0;
    WORD m_nChannels = 0;
    DWORD m_dwRecords = 0;
    DWORD m_dwFileSize = 0;
    CTime m_time;
    BOOL m_bHasTime = FALSE;
    BOOL m_bHasLog = FALSE;
};
