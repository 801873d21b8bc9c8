// The rows the item edit dialogs edit, read and written apart from the
// dialogs: one address entry, one Vika command, one Polyvect command, and
// the comma-separated "Members" values each dialog remembers.
#pragma once

#include "framework/Portable.h"

#include <vector>

// "%d,%d,...": the remembered values of a dialog.
CString FormatMembers(const std::vector<int>& values);
// Reads up to values.size() numbers; the ones not given keep their value.
void ParseMembers(const CString& strText, std::vector<int>& values);

// "electrode\taddress\tcable-takeout[\tcomment]".
struct AdrItemRow
{
    int nElectrode = 0;
    int nAddress = 0;
    int nCable = 0;
    int nTakeout = 0;
    CString strComment;

    // FALSE for an empty row.
    BOOL Parse(const CString& strRow);
    CString Format() const;
};

// "%4d:" and the values of C1, C2 and P1, P2 of each channel the row holds.
struct VikaCommandRow
{
    enum { MaxValues = 10 };
    int nLine = 0;
    // C1, C2, P1 ch1, P2 ch1, P1 ch2, P2 ch2, ... in row order.
    int values[MaxValues] = {};
    int nValues = 0;

    // FALSE for an empty row.
    BOOL Parse(const CString& strRow);
    CString Format() const;
    // The values a new row holds: C1, C2 and a pair per channel.
    static int ValuesForChannels(int nChannels);
};

// "%4d:" and four electrodes, or a cable command.
struct PolyvectCommandRow
{
    enum Command { Measure = 0, SwitchCable1, ResetCable1, SwitchCable2, ResetCable2, CommandCount };
    int nLine = 0;
    int nCommand = Measure;
    int electrodes[4] = {};

    // FALSE for an empty row.
    BOOL Parse(const CString& strRow);
    CString Format() const;
    static LPCTSTR CommandText(int nCommand);
};
