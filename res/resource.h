// Resource ids of the program. Every resource lives in res/: G7K.rc holds
// the application's own and includes one fragment per subsystem, which has
// its own id header. Ranges by subsystem (resource ids must be unique in the
// program; control ids only within their dialog):
//
//   subsystem          resources      controls    commands     header
//   application        100-299        1000-1399   32768-32999  resource.h
//   instrument         136 (*)        1000-1099   -            InstrumentRes.h
//   common controls    20500-20599    -           -            ControlsRes.h
//   list controls      20692 (cursor; its number is fixed)         ListsRes.h
//   shared dialogs     (application)  1000-1399   -            SharedDialogsRes.h
//   framework          0xE000-0xEFFF (standard commands, strings)  G7K.rc
//
// (*) the transfer-status dialog keeps the number it has always had, inside
// the application's block; new instrument resources take 20600-20699.
#pragma once

#include "ControlsRes.h"
#include "InstrumentRes.h"
#include "SharedDialogsRes.h"
#include "DesignRes.h"
#include "DesignRes.h"
#include "SharedDialogsRes.h"

// Main frame, document templates, menus and forms.
#define IDR_MAINFRAME                 128
#define IDR_CONVERSION_TYPE           130
#define IDR_VIKA_PROJECT_TYPE         131
#define IDR_POLYVECT_PROJECT_TYPE     132
#define IDR_VIKA_PROTOCOL_TYPE        133
#define IDR_DELETE_MENU               229
#define IDD_ABOUTBOX                  100
#define IDS_SOCKETS_INIT_FAILED       104
#define IDI_PROGRAM                   145
// The project lists' status icons (conversion, Vika and Polyvect): the file
// is fine, cannot be opened, or is empty or unreadable.
#define IDI_STATUS_OK                 247
#define IDI_STATUS_MISSING            251
#define IDI_STATUS_SHORT              254
#define IDD_SPLASH                    153
#define IDD_FOLDERS_PAGE              185
#define IDD_COMMUNICATION_PAGE        186
#define IDD_VIKA_FORM                 235
#define IDD_CONVERSION_FORM           243
#define IDM_CONVERSION_CONTEXT        103
#define IDM_VIKA_CONTEXT              120
#define IDM_POLYVECT_CONTEXT          124

// Controls.
#define IDC_BAUDRATE                  1002
#define IDC_PORT                      1001
#define IDC_IMPORT_FOLDER             1126
#define IDC_CONVERSION_FOLDER         1128
#define IDC_INSTALL_FOLDER            1129
#define IDC_VIKA_FOLDER               1130
#define IDC_POLYVECT_FOLDER           1131
#define IDC_WORKING_FOLDER            1132
#define IDC_PROJECT_LIST              1228
#define IDC_TARGET_FOLDER             1229
#define IDC_SOURCE_FOLDER             1245
#define IDC_ABOUT_TEXT                1306

// Commands.
#define ID_PROJECT_OPEN_ITEM          146
#define ID_IMPORT_DATA                32773
#define ID_COM_PORT_SETTINGS          32774
#define ID_INSTALL_MODULES            32775
#define ID_REMOVE_MODULES             32776
#define ID_CALIBRATION                32788
#define ID_PROPERTIES                 32814
#define ID_DELETE_CONVERSION_PROJECT  32831
#define ID_DELETE_VIKA_PROJECTS       32832
#define ID_DELETE_VIKA_PROTOCOLS      32834
#define ID_CUSTOMIZE                  32861
#define ID_DELETE_DROPDOWN            32866
#define ID_DELETE_VIKA_ADDRESS_FILES  32883
#define ID_DELETE_POLYVECT_PROTOCOLS  32884
#define ID_DELETE_POLYVECT_PROJECTS   32885
#define ID_DELETE_VIKA_GEOMETRY       32886
#define ID_DELETE_POLYVECT_GEOMETRY   32887
#define ID_INSTALL_XYZ                32913
