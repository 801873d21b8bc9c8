// Resource ids of the framework's test application.
#pragma once

#define IDR_MAINFRAME      128
#define IDR_NOTETYPE       129
#define IDD_VALUES         200
#define IDD_PAGE1          201
#define IDD_PAGE2          202
#define IDD_FORM           203

#define IDC_COUNT          1001
#define IDC_NAME           1002
#define IDC_ENABLED        1003
#define IDC_RADIO1         1004
#define IDC_RADIO2         1005
#define IDC_RADIO3         1006
#define IDC_KIND           1007
#define IDC_RATIO          1008
#define IDC_PAGE_TEXT      1010

#define ID_TEST_VIEWCMD    32771
#define ID_TEST_DOCCMD     32772
#define ID_TEST_FRAMECMD   32773
#define ID_TEST_APPCMD     32774
#define ID_TEST_NOHANDLER  32775
#define ID_TEST_SHARED     32776
