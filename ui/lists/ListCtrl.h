// SECListCtrl: the public list control, the list engine with its message
// map and run-time class. The tree control derives from it.
#pragma once

#include "ui/lists/ListBaseC.h"

class SECListCtrl : public SECListBaseC {
  DECLARE_DYNCREATE(SECListCtrl)

 public:
  SECListCtrl() = default;

 protected:
  DECLARE_MESSAGE_MAP()
};
