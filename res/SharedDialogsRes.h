// Resource ids of the shared dialogs (the application's block, resource.h).
// Control ids are unique only within their dialog.
#pragma once

#define IDD_COM_PORT_SETTINGS   132
#define IDD_STATUS_MESSAGE      152
#define IDD_COMPILE_LOG         174
#define IDD_RENAME_FILE         177
#define IDD_NUMERIC_PROGRESS    206
#define IDD_TEXT_VIEWER         223
#define IDD_MANAGE_SELECTION    237
#define IDD_NEW_CAPTION         244
#define IDD_LIST_PROPERTIES     257
#define IDD_CHECK_LIST          260
#define IDD_CHANGE_GRID         277

// Compile-log viewer.
#define IDC_LOG_OUTPUT_PATH     1097
#define IDC_LOG_BODY            1108
#define IDC_LOG_BUILD           1109
#define IDC_LOG_INPUT_FILE      1110
#define IDC_LOG_LINES           1112
#define IDC_LOG_ERRORS          1113
#define IDC_LOG_COMPILER        1114
#define IDC_LOG_WARNINGS        1115
#define IDC_LOG_DATABASE_SIZE   1116
#define IDC_LOG_DATE            1117
#define IDC_LOG_DATABASE_LABEL  1111

// Status window and text viewer.
#define IDC_STATUS_TEXT         1041
#define IDC_VIEWER_LINES        1220
#define IDC_VIEWER_FILES        1247

// List properties.
#define IDC_DEFAULT_COLUMNS     1059
#define IDC_REMOVE_COLUMN       1249
#define IDC_ADD_COLUMN          1250
#define IDC_AVAILABLE_COLUMNS   1230
#define IDC_SHOWN_COLUMNS       1231

// Selection manager.
#define IDC_SELECTED_PROTOCOLS  1103
#define IDC_AVAILABLE_PROTOCOLS 1104
#define IDC_ADD_PROTOCOL        1105
#define IDC_ADD_ALL_PROTOCOLS   1106
#define IDC_REMOVE_PROTOCOL     1107
#define IDC_REMOVE_ALL_PROTOCOLS 1108

// Small dialogs (the port dialog uses IDC_PORT and IDC_BAUDRATE).
#define IDC_GRID_X              1098
#define IDC_GRID_Y              1099
#define IDC_GRID_X_SPIN         1286
#define IDC_GRID_Y_SPIN         1287
#define IDC_OLD_NAME            1118
#define IDC_NEW_NAME            1119
#define IDC_SET_ALL             1216
#define IDC_CLEAR_ALL           1217
#define IDC_NUMERIC_PROGRESS    1201
#define IDC_CAPTION_TEXT        1238
#define IDC_CHECK_LIST          1253
#define IDC_CHECK_PROMPT        1254
