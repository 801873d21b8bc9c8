// The tree-view vocabulary the tree control speaks at its edges: item
// handles, TVITEM records, insert positions and the TVIF/TVIS/TVGN/TVE codes.
// The win build takes them from the platform headers; the native build
// defines the same names with the same values, so that the tree's portable
// core builds and is tested in both trees.
#pragma once

#include "framework/Types.h"

#ifdef _WIN32

#include <commctrl.h>

#else  // native build

struct _TREEITEM;
typedef struct _TREEITEM* HTREEITEM;

typedef struct tagTVITEMA {
  UINT mask;
  HTREEITEM hItem;
  UINT state;
  UINT stateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  int iSelectedImage;
  int cChildren;
  LPARAM lParam;
} TVITEMA, *LPTVITEMA;
typedef TVITEMA TVITEM;
typedef TVITEMA* LPTVITEM;
typedef TVITEMA TV_ITEM;

typedef struct tagTVINSERTSTRUCTA {
  HTREEITEM hParent;
  HTREEITEM hInsertAfter;
  TVITEMA item;
} TVINSERTSTRUCTA, *LPTVINSERTSTRUCTA;
typedef TVINSERTSTRUCTA TVINSERTSTRUCT;
typedef TVINSERTSTRUCTA* LPTVINSERTSTRUCT;

typedef int(CALLBACK* PFNTVCOMPARE)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
typedef struct tagTVSORTCB {
  HTREEITEM hParent;
  PFNTVCOMPARE lpfnCompare;
  LPARAM lParam;
} TVSORTCB, *LPTVSORTCB;

#define TVI_ROOT ((HTREEITEM)(ULONG_PTR)-0x10000)
#define TVI_FIRST ((HTREEITEM)(ULONG_PTR)-0x0FFFF)
#define TVI_LAST ((HTREEITEM)(ULONG_PTR)-0x0FFFE)
#define TVI_SORT ((HTREEITEM)(ULONG_PTR)-0x0FFFD)

#ifndef LPSTR_TEXTCALLBACKA
#define LPSTR_TEXTCALLBACKA ((LPSTR)-1L)
#endif
#ifndef LPSTR_TEXTCALLBACK
#define LPSTR_TEXTCALLBACK LPSTR_TEXTCALLBACKA
#endif
#ifndef I_IMAGECALLBACK
#define I_IMAGECALLBACK (-1)
#endif
#define I_CHILDRENCALLBACK (-1)

#define TVIF_TEXT 0x0001
#define TVIF_IMAGE 0x0002
#define TVIF_PARAM 0x0004
#define TVIF_STATE 0x0008
#define TVIF_HANDLE 0x0010
#define TVIF_SELECTEDIMAGE 0x0020
#define TVIF_CHILDREN 0x0040

#define TVIS_SELECTED 0x0002
#define TVIS_CUT 0x0004
#define TVIS_DROPHILITED 0x0008
#define TVIS_BOLD 0x0010
#define TVIS_EXPANDED 0x0020
#define TVIS_OVERLAYMASK 0x0F00
#define TVIS_STATEIMAGEMASK 0xF000

#define TVGN_ROOT 0x0000
#define TVGN_NEXT 0x0001
#define TVGN_PREVIOUS 0x0002
#define TVGN_PARENT 0x0003
#define TVGN_CHILD 0x0004
#define TVGN_FIRSTVISIBLE 0x0005
#define TVGN_NEXTVISIBLE 0x0006
#define TVGN_PREVIOUSVISIBLE 0x0007
#define TVGN_DROPHILITE 0x0008
#define TVGN_CARET 0x0009

#define TVE_COLLAPSE 0x0001
#define TVE_EXPAND 0x0002
#define TVE_TOGGLE 0x0003
#define TVE_COLLAPSERESET 0x8000

#define TVC_UNKNOWN 0x0000
#define TVC_BYMOUSE 0x0001
#define TVC_BYKEYBOARD 0x0002

#define TVS_HASBUTTONS 0x0001
#define TVS_HASLINES 0x0002
#define TVS_LINESATROOT 0x0004
#define TVS_EDITLABELS 0x0008
#define TVS_DISABLEDRAGDROP 0x0010
#define TVS_SHOWSELALWAYS 0x0020
#define TVS_SINGLEEXPAND 0x0400

#define TVHT_NOWHERE 0x0001
#define TVHT_ONITEMICON 0x0002
#define TVHT_ONITEMLABEL 0x0004
#define TVHT_ONITEMINDENT 0x0008
#define TVHT_ONITEMBUTTON 0x0010
#define TVHT_ONITEMRIGHT 0x0020
#define TVHT_ONITEMSTATEICON 0x0040
#define TVHT_ABOVE 0x0100
#define TVHT_BELOW 0x0200
#define TVHT_TORIGHT 0x0400
#define TVHT_TOLEFT 0x0800

#endif  // _WIN32

// The insert position of this control beside the platform's: sorted,
// descending.
#define SEC_TVI_SORTDESCENDING ((HTREEITEM)(ULONG_PTR)-0x0FFF0)
// The three GetNextItem codes of this control: selected items in row order.
#define SEC_TVGN_FIRSTSELECTED 32
#define SEC_TVGN_NEXTSELECTED 33
#define SEC_TVGN_PREVSELECTED 34
// The extended item states the tree keeps in its nodes.
#define SEC_TVIS_DISABLED 0x0100
#define SEC_TVIS_HIDDEN 0x0200
// The node has no image (neither of its two indexes applies).
#define TREE_NO_IMAGE (-12)
