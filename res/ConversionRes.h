// Resource ids of the data conversion windows (ranges in resource.h; new
// conversion resources beyond these numbers take 20700-20799).
#pragma once

// Options dialog and "Replace File" question.
#define IDD_CONVERSION_OPTIONS        158
#define IDD_CONVERSION_REPLACE        176

// Options dialog controls.
#define IDC_CONV_UNCONDITIONAL        1061
#define IDC_CONV_OVERWRITE            1062
#define IDC_CONV_FORMAT               1063
#define IDC_CONV_NO_REJECTION         1064
#define IDC_CONV_REJECT_NEGATIVE      1065
#define IDC_CONV_REJECT_POSITIVE      1066
#define IDC_CONV_THRESHOLD_ON         1067
#define IDC_CONV_THRESHOLD            1068
#define IDC_CONV_FORCE_RESISTANCE     1069
#define IDC_CONV_IP_ALL               1070
#define IDC_CONV_IP_SINGLE            1071
#define IDC_CONV_IP_SUM               1072
#define IDC_CONV_SINGLE_WINDOW        1073
#define IDC_CONV_SUM_FROM             1074
#define IDC_CONV_SUM_TO               1075
#define IDC_CONV_CHANNEL1             1076
#define IDC_CONV_CHANNEL2             1077
#define IDC_CONV_CHANNEL3             1078
#define IDC_CONV_CHANNEL4             1079
#define IDC_CONV_COMMAND_LINE         1080
#define IDC_CONV_OUTPUT_ALL           1081
#define IDC_CONV_MARINE               1082
#define IDC_CONV_WATER_RESISTIVITY    1083
#define IDC_CONV_ADD_COMMENTS         1084
#define IDC_CONV_LOCAL_DATUM          1085
#define IDC_CONV_LEFT_LIMIT           1086
#define IDC_CONV_RIGHT_LIMIT          1087
#define IDC_CONV_USE_GEOMETRY         1088
#define IDC_CONV_REVERSE_SIGN         1089
#define IDC_CONV_GEOMETRY_FILE        1090
#define IDC_CONV_IP_NONE              1092
#define IDC_CONV_SAMPLE_NUMBERS       1093
#define IDC_CONV_SAMPLE_RANGE_ON      1094
#define IDC_CONV_SAMPLE_FROM          1095
#define IDC_CONV_SAMPLE_TO            1096
#define IDC_CONV_X_GRID               1098
#define IDC_CONV_Y_GRID               1099
#define IDC_CONV_Z_GRID               1100
#define IDC_CONV_COORDINATE_TYPE      1197
#define IDC_CONV_GRID_CHANGE          1224
#define IDC_CONV_TIME_STAMP           1246
#define IDC_CONV_IGNORE_GEOMETRY      1278

// "Replace File" texts.
#define IDC_CONV_REPLACE_EXISTS       1101
#define IDC_CONV_REPLACE_OLD          1102
#define IDC_CONV_REPLACE_NEW          1103

// Project form.
#define IDC_CONV_FILE_COUNT           1206

// Commands.
#define ID_CONV_ADD_FILES             32794
#define ID_CONV_CONVERT               32795
#define ID_CONV_REMOVE_FILES          32800
#define ID_CONV_RENAME_FILE           32811
#define ID_CONV_VIEW_LOG              32819
#define ID_CONV_OPTIONS               32900
#define ID_CONV_SELECT_ALL            0xE12A
