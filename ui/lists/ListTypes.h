// The list-view vocabulary the list engine speaks at its edges: LVITEM and
// LVCOLUMN records and the LVIF/LVIS/LVS/LVCF/LVNI codes. The win build takes
// them from the platform headers; the native build defines the same names
// with the same values, so that the engine's portable core builds and is
// tested in both trees. The engine's own extended styles and hit-test flags
// follow at the end.
#pragma once

#include "framework/Types.h"

#ifdef _WIN32

#include <commctrl.h>

#else  // native build

typedef struct tagLVITEMA {
  UINT mask;
  int iItem;
  int iSubItem;
  UINT state;
  UINT stateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  LPARAM lParam;
  int iIndent;
} LVITEMA, *LPLVITEMA;
typedef LVITEMA LVITEM;
typedef LVITEMA* LPLVITEM;

typedef struct tagLVCOLUMNA {
  UINT mask;
  int fmt;
  int cx;
  LPSTR pszText;
  int cchTextMax;
  int iSubItem;
  int iImage;
  int iOrder;
} LVCOLUMNA, *LPLVCOLUMNA;
typedef LVCOLUMNA LVCOLUMN;
typedef LVCOLUMNA* LPLVCOLUMN;

#ifndef LPSTR_TEXTCALLBACKA
#define LPSTR_TEXTCALLBACKA ((LPSTR)-1L)
#endif
#ifndef LPSTR_TEXTCALLBACK
#define LPSTR_TEXTCALLBACK LPSTR_TEXTCALLBACKA
#endif
#ifndef I_IMAGECALLBACK
#define I_IMAGECALLBACK (-1)
#endif

#define LVIF_TEXT 0x0001
#define LVIF_IMAGE 0x0002
#define LVIF_PARAM 0x0004
#define LVIF_STATE 0x0008
#define LVIF_DI_SETITEM 0x1000

#define LVIS_FOCUSED 0x0001
#define LVIS_SELECTED 0x0002
#define LVIS_CUT 0x0004
#define LVIS_DROPHILITED 0x0008
#define LVIS_OVERLAYMASK 0x0F00
#define LVIS_STATEIMAGEMASK 0xF000

#define LVS_ICON 0x0000
#define LVS_REPORT 0x0001
#define LVS_SMALLICON 0x0002
#define LVS_LIST 0x0003
#define LVS_TYPEMASK 0x0003
#define LVS_SINGLESEL 0x0004
#define LVS_SHOWSELALWAYS 0x0008
#define LVS_SHAREIMAGELISTS 0x0040
#define LVS_NOLABELWRAP 0x0080
#define LVS_EDITLABELS 0x0200
#define LVS_NOSCROLL 0x2000
#define LVS_NOCOLUMNHEADER 0x4000
#define LVS_NOSORTHEADER 0x8000

#define LVCF_FMT 0x0001
#define LVCF_WIDTH 0x0002
#define LVCF_TEXT 0x0004
#define LVCF_SUBITEM 0x0008
#define LVCF_IMAGE 0x0010

#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002
#define LVCFMT_JUSTIFYMASK 0x0003

#define LVNI_ALL 0x0000
#define LVNI_FOCUSED 0x0001
#define LVNI_SELECTED 0x0002
#define LVNI_CUT 0x0004
#define LVNI_DROPHILITED 0x0008
#define LVNI_ABOVE 0x0100
#define LVNI_BELOW 0x0200
#define LVNI_TOLEFT 0x0400
#define LVNI_TORIGHT 0x0800

#endif  // _WIN32

// Extended styles of this engine (its own word, not the platform's).
#define LVXS_HEADERDRAGDROP 0x00000010  // header buttons but the first reorder columns
#define LVXS_FLYBYTIPS 0x00100000       // tips for clipped labels (with LVS_NOLABELWRAP)
#define LVXS_HORZGRID 0x00400000        // a line under every row
#define LVXS_VERTGRID 0x00800000        // lines between columns
#define LVXS_FULLROWSELECT 0x02000000   // the whole row selects and shows selection
#define LVXS_FITCOLUMNS 0x04000000      // the label column fills the client width
#define LVXS_KEEPLABELWIDTH 0x08000000  // a deleted column's width is not given to the label

// The header image sits right of the heading.
#define LVCFMT_IMAGE_RIGHT 0x1000

// Hit-test flags of the engine (HitTest); the low ones are the platform's.
#define SEC_LVHT_NOWHERE 0x0001
#define SEC_LVHT_ONITEMICON 0x0002
#define SEC_LVHT_ONITEMLABEL 0x0004
#define SEC_LVHT_ONITEMSTATEICON 0x0008
#define SEC_LVHT_ABOVE 0x0008
#define SEC_LVHT_BELOW 0x0010
#define SEC_LVHT_TORIGHT 0x0020
#define SEC_LVHT_TOLEFT 0x0040
#define SEC_LVHT_ONDIVIDER 0x0800   // within 4 pixels of a column's right edge in the header
#define SEC_LVHT_ONHEADER 0x1000    // on a header button
#define SEC_LVHT_ONROW 0x2000       // on an item's row
#define SEC_LVHT_ONROWLEFT 0x4000   // on the row left of the label text
#define SEC_LVHT_ONROWRIGHT 0x8000  // on the row right of the label text

// Extended item states a derived control may report (GetItemStateEx).
#define SEC_LVIS_EX_DISABLED 0x0100
#define SEC_LVIS_EX_HIDDEN 0x0200

// The change record of SetItemStateEx/GetItemStateEx.
struct SECListStateExChange {
  UINT mask = 0;        // 1: the state is meant
  DWORD state = 0;      // the value
  DWORD stateMask = 0;  // which bits of the value
};

// Longest text the engine copies (buffers are one longer).
constexpr int kListTextMax = 2047;
