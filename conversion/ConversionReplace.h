// The texts of the "Replace File" dialog, apart from the window: each of its
// three patterns has one "%s", filled with the file's name and with the two
// paths in upper case. The value goes in as it is: a '%' in a path is no
// format.
#pragma once

#include "framework/Portable.h"

struct CConversionReplaceTexts
{
    CString strExists;    // "File '%s' already exists."
    CString strReplace;   // "Replace:\t%s"
    CString strWith;      // "With:\t\t%s"
};

// The pattern with its first "%s" replaced by strValue (unchanged without one).
CString FillReplacePattern(const CString& strPattern, const CString& strValue);

// The dialog's patterns filled: the name as given, the paths in upper case.
CConversionReplaceTexts FillReplaceTexts(const CConversionReplaceTexts& patterns, const CString& strFileName,
                                         const CString& strReplacePath, const CString& strWithPath);
