// Resource ids of the toolbars (ui/frames): the main frame's toolbar
// images, the "Conversion Tools" and "Vika Tools" images and the toolbar strings 20619 and 20674.
#pragma once

#define IDR_FILE_TOOLBAR          228
#define IDR_TRANSFER_TOOLBAR      140
#define IDR_CONVERSION_TOOLBAR    130   // also the conversion template's id
#define IDR_VIKA_TOOLBAR          131
#define IDS_SEC_MENUBAR_TITLE     20619
#ifndef IDS_SEC_TOOLBAR_TITLE
#define IDS_SEC_TOOLBAR_TITLE     20674
#endif
