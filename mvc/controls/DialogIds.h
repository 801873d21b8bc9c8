// Control ids for controls the common controls add to an existing dialog.
#pragma once

#include "framework/Framework.h"

// The highest id from 32767 downwards that no control of the dialog uses
// (1 when all are taken).
inline UINT SECFindUnusedControlId(HWND hDialog) {
  for (UINT id = 32767; id > 0; --id)
    if (!::GetDlgItem(hDialog, static_cast<int>(id)))
      return id;
  return 1;
}
