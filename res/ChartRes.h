// Resource ids of the protocol chart window (its numbers are fixed: the
// bars, dialogs and commands keep the ids the chart has always had).
#pragma once

// Dialog bars, dialogs, menu and control-bar ids.
#define IDD_CHART_MAIN_BAR            127
#define IDD_CHART_STATUS_BAR          269
#define IDM_CHART_CONTEXT             267
#define IDD_CHART_DUPLICATES          273
#define IDD_CHART_ITEM_STATE          278
#define IDD_CHART_SORT                279
#define IDW_CHART_MAIN_BAR            137
#define IDW_CHART_STATUS_BAR          147
#define IDS_PROGRAM_VERSION           32796

// Main bar controls and commands.
#define IDC_CHART_ARRAY_TYPE          1111
#define IDC_CHART_ADDRESS_FILE        1112
#define IDC_CHART_SEPARATION          1272
#define IDC_CHART_XPOS                1273
#define IDC_CHART_COUNTS              1275
#define IDC_CHART_GRID_X              1098
#define IDC_CHART_GRID_Y              1099
#define ID_CHART_ZOOM_IN              1262
#define ID_CHART_ZOOM_OUT             1263
#define ID_CHART_ZOOM_RESET           1264
#define ID_CHART_VALIDATE             1274
#define ID_CHART_AUTO_SORT            1281
#define ID_CHART_OPTIMIZE             1282
#define ID_CHART_CHANGE_GRID          1283
#define ID_CHART_SORT                 1299
#define ID_CHART_SHOW_INDEX           1304
#define ID_CHART_LAYOUT               1305
#define ID_CHART_EDIT_ORG             32815
#define ID_CHART_EDIT_UP              32816
#define ID_CHART_EDIT_DWN             32817
#define ID_CHART_EDIT_ADR             32818

// Status bar texts, in the order of their fields.
#define IDC_CHART_TEXT0               1267
#define IDC_CHART_TEXT1               1263
#define IDC_CHART_TEXT2               1264
#define IDC_CHART_TEXT3               1265
#define IDC_CHART_TEXT4               1266
#define IDC_CHART_TEXT5               1268
#define IDC_CHART_TEXT6               1269
#define IDC_CHART_TEXT7               1270
#define IDC_CHART_TEXT8               1271
#define IDC_CHART_TEXT9               1272
#define IDC_CHART_TEXT10              1273
#define IDC_CHART_TEXT11              1274

// Context menu commands.
#define ID_CHART_148                  148
#define ID_CHART_149                  149
#define ID_CHART_ENABLE_TAKEOUT       150
#define ID_CHART_DISABLE_TAKEOUT      151
#define ID_CHART_VIEW_DUPLICATES      32904
#define ID_CHART_REFRESH              32905
#define ID_CHART_REMOVE_DUPLICATES    32906
#define ID_CHART_ENABLE_ITEMS         32911
#define ID_CHART_DISABLE_ITEMS        32912

// Sort dialog.
#define IDC_SORT_KEY1                 1294
#define IDC_SORT_KEY2                 1295
#define IDC_SORT_KEY3                 1296
#define IDC_SORT_DIR1                 1297
#define IDC_SORT_DIR1_DESC            1298
#define IDC_SORT_DIR2                 1299
#define IDC_SORT_DIR2_DESC            1300
#define IDC_SORT_DIR3                 1301
#define IDC_SORT_DIR3_DESC            1302
#define IDC_SORT_ENABLED_FIRST        1303

// Item-state dialog.
#define IDC_STATE_DEPTH               1287
#define IDC_STATE_MIDPOINT            1288
#define IDC_STATE_ORG                 1169
#define IDC_STATE_UP                  1170
#define IDC_STATE_DWN                 1171
#define IDC_STATE_SPIN                1291
#define IDC_STATE_SKIP                1292

// Duplicates dialog.
#define IDC_DUPLICATES_LIST           1276
