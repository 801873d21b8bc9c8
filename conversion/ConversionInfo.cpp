#include "framework/Portable.h"
#include "conversion/ConversionInfo.h"
#include "framework/HostServices.h"
#include "framework/OsFile.h"
#include "framework/PathNames.h"

IMPLEMENT_SERIAL(CConversionInfo, CProtocolInfo, VERSIONABLE_SCHEMA)

CConversionInfo::CConversionInfo(UINT nSchema)
    : CProtocolInfo(nSchema)
{
}

CConversionInfo::~CConversionInfo() = default;

void CConversionInfo::Serialize(CArchive& ar)
{
    CProtocolInfo::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(m_time.GetTime()) << m_dwFileSize << m_nVersion << m_dwSerialNumber;
        ar << m_strInstrument << m_strDataType;
        return;
    }
    if (m_nLoadedVersion < 256)
        return;
    LONG lTime = 0;
    ar >> lTime >> m_dwFileSize >> m_nVersion >> m_dwSerialNumber;
    ar >> m_strInstrument >> m_strDataType;
    SetTime(CTime(static_cast<time_t>(lTime)));
}

void CConversionInfo::ReadHeader()
{
    WaitCursorScope wait;
    if (!OsFile::FileExists(m_strName)) {
        m_dwStatus |= G7K_STATUS_OPEN_FAILED;
        return;
    }
    ApplyHeader(ReadG7kHeaderFile(m_strName));
    HasLogFile();
}

void CConversionInfo::ApplyHeader(const G7kHeader& header)
{
    m_dwStatus |= header.dwStatus;
    if (header.dwStatus & G7K_STATUS_OPEN_FAILED)
        return;
    m_dwFileSize = header.dwFileSize;
    if (header.dwFileSize == 0 || header.bUnreadable)
        return;
    m_nVersion = header.nVersion;
    m_dwSerialNumber = header.dwSerialNumber;
    m_strInstrument = header.strInstrument;
    if (header.bHasTime)
        SetTime(G7kRecordTime(header.dwRawTime));
    m_strDataType = G7kDataTypeName(header.nDataType);
    m_strElectrodeSystem = G7kElectrodeSystemName(header.nElectrodeSystem);
    SetArrayCode(header.nArrayCode);
    m_fRefX = header.fRefX;
    m_fRefY = header.fRefY;
    m_fRefZ = header.fRefZ;
    m_fAzimuth = header.fAzimuth;
    m_fInclination = header.fInclination;
    m_nChannels = header.nChannels;
    m_dwRecords = header.dwRecords;
}

int CConversionInfo::GetStatusIcon()
{
    if (m_dwStatus & G7K_STATUS_OPEN_FAILED)
        return 1;
    return (m_dwStatus & G7K_STATUS_SHORT) ? 2 : 0;
}

CString& CConversionInfo::GetName() { return m_strTitle; }

CString CConversionInfo::LogFileOf(const CString& strPath)
{
    const CString strName = FileNamePart(strPath);
    const int nDot = strName.Find('.');
    return FolderPart(strPath) + (nDot >= 0 ? strName.Left(nDot) : strName) + ".LOG";
}

BOOL CConversionInfo::HasLogFile()
{
    m_bHasLog = OsFile::FileExists(LogFileOf(m_strName)) ? TRUE : FALSE;
    return m_bHasLog;
}
