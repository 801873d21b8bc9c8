// One Polyvect protocol file (".PV") of a Polyvect project: its array code,
// geometry file and number of commands, read from the file.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolInfo.h"

class CPolyvectProtocolInfo : public CProtocolInfo
{
public:
    enum { StatusMissing = 1, StatusEmpty = 2 };
    enum { KindProtocol = 0, KindGeometry = 1 };

    CPolyvectProtocolInfo();
    ~CPolyvectProtocolInfo() override;

    // Starts from a clean record, so a file that lost its commands shows it.
    void ReadHeader() override;
    int GetStatusIcon() override;
    virtual CString GetFilePath(int nKind);

    // The text of a list column by column id (2-4), and whether the id has one.
    BOOL GetColumnText(UINT nColumnId, CString& strText);
};
