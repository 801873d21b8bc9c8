// Resource ids of the toolbars (ui/frames): the main frame's toolbar
// images, the "Conversion Tools", "Vika Tools" and "Polyvect Tools" images and the toolbar strings 20619 and 20674.
#pragma once

#define IDR_FILE_TOOLBAR          228
#define IDR_TRANSFER_TOOLBAR      140
#define IDR_CONVERSION_TOOLBAR    130   // also the conversion template's id
#define IDR_VIKA_TOOLBAR          131
#define IDR_POLYVECT_TOOLBAR      236
#define IDS_SEC_MENUBAR_TITLE     20619
#ifndef IDS_SEC_TOOLBAR_TITLE
#define IDS_SEC_TOOLBAR_TITLE     20674
#endif

// The "Toolbars" dialog and the "New Toolbar" name dialog.
#define IDD_SEC_TOOLBARS          20510
#define IDD_SEC_NEW_TOOLBAR       20511
#define IDS_SEC_RESET             20536
#define IDS_SEC_DELETE            20537
#define IDC_SEC_TOOLBAR_LIST      43094
#define IDC_SEC_TOOLBAR_NAME_LBL  43097
#define IDC_SEC_TOOLBAR_NAME      43102
#define IDC_SEC_NEW               43098
#define IDC_SEC_CUSTOMIZE         43099
#define IDC_SEC_RESET             43100
#define IDC_SEC_TOOLTIPS          43101
#define IDC_SEC_COOLLOOK          43104
#define IDC_SEC_LARGE_BUTTONS     43103
#define IDC_SEC_NEW_NAME          43096

// The "Customize" sheet: its "Toolbars" and "Commands" pages.
#define IDS_SEC_CUSTOMIZE         20538
#define IDD_SEC_TOOLBARS_PAGE     20513
#define IDD_SEC_COMMANDS_PAGE     20509
#define IDS_SEC_COMMANDS          59394
#define IDC_SEC_BUTTONS_GROUP     43093
#define IDC_SEC_CATEGORIES        43094
#define IDC_SEC_DESCRIPTION       43095
