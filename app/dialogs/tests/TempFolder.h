// A folder of its own for one test, removed with everything in it.
#pragma once

#include "framework/Portable.h"
#include "framework/OsFile.h"

#include <filesystem>
#include <fstream>
#include <string>

class CTempFolder
{
public:
    CTempFolder()
    {
        static int s_nCount = 0;
        m_strPath.Format("%sg7k-dialogs-%lu-%d", static_cast<LPCTSTR>(OsFile::TempFolder()), OsFile::ProcessId(),
                         ++s_nCount);
        std::filesystem::remove_all(static_cast<LPCTSTR>(m_strPath));
        std::filesystem::create_directories(static_cast<LPCTSTR>(m_strPath));
        m_strPath += OsFile::PathSeparator();
    }
    ~CTempFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(static_cast<LPCTSTR>(m_strPath), error);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // The folder, ending in its separator.
    const CString& Path() const { return m_strPath; }
    CString Write(const CString& strName, const std::string& strContents) const
    {
        const CString strFile = m_strPath + strName;
        std::ofstream(static_cast<LPCTSTR>(strFile), std::ios::binary) << strContents;
        return strFile;
    }
    void MakeFolder(const CString& strName) const
    {
        std::filesystem::create_directories(static_cast<LPCTSTR>(m_strPath + strName));
    }

private:
    CString m_strPath;
};
