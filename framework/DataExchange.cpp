#include "framework/Framework.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = nullptr;
    m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
    if (hWndCtrl == nullptr) {
        TRACE("no control with id %d for data exchange\n", nIDC);
        AfxThrowNotSupportedException();
    }
    m_hWndLastControl = hWndCtrl;
    m_idLastControl = (UINT)nIDC;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_hWndLastControl != nullptr && m_bSaveAndValidate) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

bool AfxParseInteger(LPCTSTR lpsz, bool bSigned, long long minVal, long long maxVal, long long& value)
{
    while (*lpsz == ' ' || *lpsz == '\t')
        ++lpsz;
    if (*lpsz == '\0' || (!bSigned && *lpsz == '-'))
        return false;
    errno = 0;
    char* end = nullptr;
    long long v = strtoll(lpsz, &end, 10);
    if (end == lpsz || errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0' || v < minVal || v > maxVal)
        return false;
    value = v;
    return true;
}

bool AfxParseReal(LPCTSTR lpsz, double& value)
{
    while (*lpsz == ' ' || *lpsz == '\t')
        ++lpsz;
    if (*lpsz == '\0')
        return false;
    errno = 0;
    char* end = nullptr;
    double v = strtod(lpsz, &end);
    if (end == lpsz || errno == ERANGE || !std::isfinite(v))
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0')
        return false;
    value = v;
    return true;
}

namespace {

CString WindowText(HWND hWnd)
{
    CString text;
    int nLen = ::GetWindowTextLengthA(hWnd);
    ::GetWindowTextA(hWnd, text.GetBufferSetLength(nLen), nLen + 1);
    text.ReleaseBuffer();
    return text;
}

void SetWindowTextIfChanged(HWND hWnd, LPCTSTR lpszNew)
{
    // Rewriting the same text would move the caret and flicker.
    if (WindowText(hWnd) != lpszNew)
        ::SetWindowTextA(hWnd, lpszNew);
}

void FailWith(CDataExchange* pDX, LPCTSTR lpszMessage)
{
    AfxMessageBox(lpszMessage, MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, bool bSigned, long long minVal, long long maxVal)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long v = 0;
        if (!AfxParseInteger(WindowText(hWndCtrl), bSigned, minVal, maxVal, v))
            FailWith(pDX, "Please enter an integer.");
        value = (T)v;
    } else {
        CString text;
        if (bSigned)
            text.Format("%lld", (long long)value);
        else
            text.Format("%llu", (unsigned long long)value);
        SetWindowTextIfChanged(hWndCtrl, text);
    }
}

template <class T>
void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, int nDigits)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        double v = 0;
        if (!AfxParseReal(WindowText(hWndCtrl), v))
            FailWith(pDX, "Please enter a number.");
        value = (T)v;
    } else {
        CString text;
        text.Format("%.*g", nDigits, (double)value);
        SetWindowTextIfChanged(hWndCtrl, text);
    }
}

template <class T>
void CheckIntegerRange(CDataExchange* pDX, T value, T minVal, T maxVal, bool bSigned)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString message;
    if (bSigned)
        message.Format("Please enter an integer between %lld and %lld.", (long long)minVal, (long long)maxVal);
    else
        message.Format("Please enter an integer between %llu and %llu.", (unsigned long long)minVal,
                       (unsigned long long)maxVal);
    FailWith(pDX, message);
}

template <class T>
void CheckRealRange(CDataExchange* pDX, T value, T minVal, T maxVal, int nDigits)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString message;
    message.Format("Please enter a number between %.*g and %.*g.", nDigits, (double)minVal, nDigits, (double)maxVal);
    FailWith(pDX, message);
}

bool IsComboBox(HWND hWnd)
{
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    return lstrcmpiA(className, "ComboBox") == 0;
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        SetWindowTextIfChanged(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        ::GetWindowTextA(hWndCtrl, value, nMaxLen);
    else
        SetWindowTextIfChanged(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeInteger(pDX, nIDC, value, true, INT_MIN, INT_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeInteger(pDX, nIDC, value, false, 0, UINT_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeInteger(pDX, nIDC, value, true, LONG_MIN, LONG_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) { ExchangeInteger(pDX, nIDC, value, false, 0, 0xFFFFFFFFLL); }
void DDX_Text(CDataExchange* pDX, int nIDC, short& value) { ExchangeInteger(pDX, nIDC, value, true, SHRT_MIN, SHRT_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { ExchangeInteger(pDX, nIDC, value, false, 0, 255); }
void DDX_Text(CDataExchange* pDX, int nIDC, double& value) { ExchangeReal(pDX, nIDC, value, DBL_DIG); }
void DDX_Text(CDataExchange* pDX, int nIDC, float& value) { ExchangeReal(pDX, nIDC, value, FLT_DIG); }

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)(value < 0 || value > 2 ? 0 : value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndFirst = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    for (HWND hWnd = hWndFirst; hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd != hWndFirst && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_GROUP))
            break;   // the next group starts
        if (!(::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = iButton;
        } else {
            ::SendMessageA(hWnd, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++iButton;
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = WindowText(hWndCtrl);
        return;
    }
    if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR) {
        // No item begins with it: a drop-down combo shows it in its edit.
        if ((::GetWindowLongPtrA(hWndCtrl, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST)
            SetWindowTextIfChanged(hWndCtrl, value);
    }
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = WindowText(hWndCtrl);
        return;
    }
    int i = (int)::SendMessageA(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (i != CB_ERR)
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, i, 0);
    else if ((::GetWindowLongPtrA(hWndCtrl, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST)
        SetWindowTextIfChanged(hWndCtrl, value);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int i = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
        value.Empty();
        if (i != LB_ERR) {
            int nLen = (int)::SendMessageA(hWndCtrl, LB_GETTEXTLEN, i, 0);
            ::SendMessageA(hWndCtrl, LB_GETTEXT, i, (LPARAM)value.GetBufferSetLength(nLen));
            value.ReleaseBuffer();
        }
        return;
    }
    if (::SendMessageA(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == LB_ERR)
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)-1, 0);
}

void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bSaveAndValidate) {
        DDX_LBString(pDX, nIDC, value);
        return;
    }
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    int i = (int)::SendMessageA(hWndCtrl, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)i, 0);
}

void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ::GetScrollPos(hWndCtrl, SB_CTL);
    else
        ::SetScrollPos(hWndCtrl, SB_CTL, value, TRUE);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        HWND hWnd = pDX->m_hWndLastControl;
        if (hWnd != nullptr)
            ::SendMessageA(hWnd, IsComboBox(hWnd) ? CB_LIMITTEXT : EM_LIMITTEXT, (WPARAM)nChars, 0);
        return;
    }
    if (value.GetLength() > nChars) {
        CString message;
        message.Format("Please enter no more than %d characters.", nChars);
        FailWith(pDX, message);
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal, true); }
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal, false); }
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal, true); }
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal, false); }
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal, true); }
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) { CheckIntegerRange(pDX, value, minVal, maxVal, false); }
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) { CheckRealRange(pDX, value, minVal, maxVal, DBL_DIG); }
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal) { CheckRealRange(pDX, value, minVal, maxVal, FLT_DIG); }
