#include "framework/Portable.h"
#include "conversion/ConversionReplace.h"

CString FillReplacePattern(const CString& strPattern, const CString& strValue)
{
    const int nAt = strPattern.Find("%s");
    if (nAt < 0)
        return strPattern;
    return strPattern.Left(nAt) + strValue + strPattern.Mid(nAt + 2);
}

CConversionReplaceTexts FillReplaceTexts(const CConversionReplaceTexts& patterns, const CString& strFileName,
                                         const CString& strReplacePath, const CString& strWithPath)
{
    CString strOld = strReplacePath;
    CString strNew = strWithPath;
    CConversionReplaceTexts texts;
    texts.strExists = FillReplacePattern(patterns.strExists, strFileName);
    texts.strReplace = FillReplacePattern(patterns.strReplace, strOld.MakeUpper());
    texts.strWith = FillReplacePattern(patterns.strWith, strNew.MakeUpper());
    return texts;
}
