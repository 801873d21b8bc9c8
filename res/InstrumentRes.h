// Resource ids of the instrument windows (ranges in resource.h).
#pragma once

#define IDD_TRANSFER_STATUS 136

#define IDC_TRANSFER_PROGRESS 1004
#define IDC_TRANSFER_FILE 1005
#define IDC_TRANSFER_FILES 1006
#define IDC_TRANSFER_BYTES 1007
#define IDC_TRANSFER_SIZE 1008
#define IDC_TRANSFER_ERRORS 1009
#define IDC_TRANSFER_LOG 1021
#define IDC_TRANSFER_MESSAGE 1022

// Instrument operations' dialogs (their numbers are the program's own).
#define IDD_IMPORT_DATA 131
#define IDD_INSTALL_MODULES 134
#define IDD_REMOVE_MODULES 135
#define IDD_REMOVE_PROGRESS 138
#define IDD_CALIBRATION 151
#define IDD_ADMINISTRATOR_PAGE 219
// Small windows of their own until the shared status and check-list
// dialogs are in the program.
#define IDD_INSTRUMENT_STATUS 20600
#define IDD_CALIBRATION_GROUPS 20601

#define IDS_COM_PORT_ERROR 41005
#define IDS_COM_PORT_ERROR_CAPTION 41006

// Shared by the operation dialogs.
#define IDC_INSTRUMENT_SETTINGS 1010
#define IDC_STATUS_TEXT 1041

// Install Program Modules.
#define IDC_INSTALL_STANDARD 1002
#define IDC_INSTALL_VIKA 1003
#define IDC_INSTALL_POLYVECT 1004
#define IDC_INSTALL_REMOTE 1005
#define IDC_INSTALL_SYSTEM 1006
#define IDC_INSTALL_VIKA_PROTOCOLS 1007
#define IDC_INSTALL_POLYVECT_PROTOCOLS 1008
#define IDC_INSTALL_TEST 1009
#define IDC_INSTALL_GVXLOG 1011
#define IDC_INSTALL_FOLDER_EDIT 1027

// Remove Program Modules and its progress window.
#define IDC_REMOVE_VIKA 1003
#define IDC_REMOVE_POLYVECT 1004
#define IDC_REMOVE_REMOTE 1005
#define IDC_REMOVE_STANDARD 1006
#define IDC_REMOVE_GVXLOG 1007
#define IDC_REMOVE_TEST 1008
#define IDC_REMOVE_LOG 1014

// Modify Calibration Parameters (the value fields are 1036-1056).
#define IDC_CALIBRATION_SET 1039
#define IDC_CALIBRATION_SAVE_AS 1057
#define IDC_CALIBRATION_LOAD 1058
#define IDC_CALIBRATION_DEFAULT 1059
#define IDC_CALIBRATION_GROUP_FIRST 1060

// Administrator Setup.
#define IDC_ADMIN_SERIAL 1207
#define IDC_ADMIN_TYPE 1209
#define IDC_ADMIN_CONVERTER 1210
