// Resource ids of the protocol design windows: the Vika and Polyvect
// project menus and icons, the design dialogs and their commands (ranges in
// resource.h; the design's own new resources take 20800-20899).
#pragma once

// Dialogs.
#define IDD_VIKA_PROTOCOL             182
#define IDD_VIKA_ADDRESS              197
#define IDD_VIKA_CREATE_PROTOCOL      198
#define IDD_VIKA_CREATE_ADR_MAP       199
#define IDD_EDIT_VIKA_COMMAND         207
#define IDD_EDIT_ADR_ITEM             208
#define IDD_VIKA_CUSTOMIZE            222
#define IDD_GEOMETRY_FILE             232
#define IDD_POLYVECT_PROTOCOL         238
#define IDD_EDIT_POLYVECT_COMMAND     239
#define IDD_COORDINATE_ITEM           242
#define IDD_DESIGN_PROGRESS           20801

// Project list icon beside the shared status icons of resource.h.
#define IDI_PROTOCOL_SECTION_EMPTY    255

// Controls (unique within their dialog).
#define IDC_DESIGN_PROGRESS_TEXT      1001
#define IDC_DESIGN_PROGRESS_BAR       1002
#define IDC_PROTOCOL_ID               1110
#define IDC_ARRAY_TYPE                1121
#define IDC_ADDRESS_FILE              1122
#define IDC_REDUNDANCY_FILE           1123
#define IDC_GEOMETRY_FILE_CREATE      1124
#define IDC_GEOMETRY_FILE             1123
#define IDC_ADR_NAME                  1157
#define IDC_CABLES                    1131
#define IDC_CABLES_SPIN               1132
#define IDC_TAKEOUTS                  1133
#define IDC_TAKEOUTS_SPIN             1134
#define IDC_FACTOR                    1135
#define IDC_FACTOR_SPIN               1136
#define IDC_XMOVE                     1137
#define IDC_XMOVE_SPIN                1138
#define IDC_YMOVE                     1139
#define IDC_YMOVE_SPIN                1140
#define IDC_ROLL_X                    1141
#define IDC_ROLL_Y                    1142
#define IDC_ELECTRODES                1143
#define IDC_ELECTRODES_SPIN           1144
#define IDC_ADR_ENTRIES               1145
#define IDC_HINT                      1146
#define IDC_ACTIVE_CABLES             1151
#define IDC_A_SMALLEST                1155
#define IDC_A_SMALLEST_SPIN           1156
#define IDC_A_LARGEST                 1157
#define IDC_A_LARGEST_SPIN            1158
#define IDC_CHANNELS                  1159
#define IDC_CHANNELS_SPIN             1160
#define IDC_N_LARGEST                 1161
#define IDC_N_LARGEST_SPIN            1162
#define IDC_N_SMALLEST                1163
#define IDC_N_SMALLEST_SPIN           1164
#define IDC_GENERATE                  1166
#define IDC_NO_OVERLAP                1167
#define IDC_OVERLAP                   1168
#define IDC_CREATE_ORG                1169
#define IDC_CREATE_UP                 1170
#define IDC_CREATE_DWN                1171
#define IDC_CABLE_JOINTS              1171
#define IDC_COMMANDS                  1185
#define IDC_C1                        1186
#define IDC_C2                        1187
#define IDC_P1_CH1                    1188
#define IDC_P2_CH1                    1189
#define IDC_ADR_RELAY                 1189
#define IDC_ADR_CABLE                 1190
#define IDC_ADR_TAKEOUT               1191
#define IDC_ADR_ELECTRODE             1188
#define IDC_ADR_RELAY_SPIN            1192
#define IDC_ADR_TAKEOUT_SPIN          1193
#define IDC_ADR_CABLE_SPIN            1194
#define IDC_SPIN_FIRST                1196
#define IDC_LAYOUT_NORMAL             1200
#define IDC_LAYOUT_RECIPROCAL         1201
#define IDC_SINGLE_POLE_POLE          1213
#define IDC_SPACING_PAIRS             1214
#define IDC_CUSTOMIZE                 1215
#define IDC_SPACING_SET_ALL           1216
#define IDC_SPACING_CLEAR_ALL         1217
#define IDC_SPACING_GROUP             1217
#define IDC_N_GROUP                   1218
#define IDC_ADD_TO_PROJECT            1221
#define IDC_SET_NAMES                 1222
#define IDC_COORDINATES               1223
#define IDC_UNCHECK_DUPLICATES        1225
#define IDC_POLYVECT_COMMAND          1232
#define IDC_CURRENT_SET               1236
#define IDC_COORD_X                   1237
#define IDC_COORD_Y                   1238
#define IDC_COORD_Z                   1239
#define IDC_SAVE_AS                   57604

// Commands of the Vika and Polyvect project windows.
#define ID_VIKA_EDIT_ORG              32815
#define ID_VIKA_EDIT_UP               32816
#define ID_VIKA_EDIT_DWN              32817
#define ID_VIKA_EDIT_ADR              32818
#define ID_PROJECT_VIEW_LOG           32819
#define ID_VIKA_NEW_PROTOCOL          32833
#define ID_VIKA_NEW_ADR               32835
#define ID_PROJECT_EDIT_GEOMETRY      32871
#define ID_PROJECT_MANAGE             32875
#define ID_PROJECT_COMPILE            32876
#define ID_POLYVECT_EDIT_PROTOCOL     32877
#define ID_PROJECT_CREATE_GEOMETRY    32882
#define ID_VIKA_OPEN_PROTOCOL         32902
