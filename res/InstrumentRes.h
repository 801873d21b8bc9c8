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
