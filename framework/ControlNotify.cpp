#include "framework/ControlNotify.h"

bool SendNotifyToParent(HWND hCtrl, NMHDR& hdr, UINT nCode, LRESULT* pResult)
{
    hdr.hwndFrom = hCtrl;
    hdr.idFrom = (UINT_PTR)::GetDlgCtrlID(hCtrl);
    hdr.code = nCode;
    LRESULT lResult = 0;
    if (HWND hParent = ::GetParent(hCtrl))
        lResult = ::SendMessageA(hParent, WM_NOTIFY, hdr.idFrom, (LPARAM)&hdr);
    if (pResult != nullptr)
        *pResult = lResult;
    return ::IsWindow(hCtrl) != FALSE;
}

bool SendNotifyToParent(HWND hCtrl, UINT nCode, LRESULT* pResult)
{
    NMHDR hdr = {};
    return SendNotifyToParent(hCtrl, hdr, nCode, pResult);
}

bool SendCommandToParent(HWND hCtrl, UINT nCode)
{
    if (HWND hParent = ::GetParent(hCtrl)) {
        int nID = ::GetDlgCtrlID(hCtrl);
        ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(nID, nCode), (LPARAM)hCtrl);
    }
    return ::IsWindow(hCtrl) != FALSE;
}
