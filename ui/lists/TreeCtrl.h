// SECTreeCtrl: the public tree control, the tree with its message map and
// run-time class.
#pragma once

#include "ui/lists/TreeBaseC.h"

class SECTreeCtrl : public SECTreeBaseC {
  DECLARE_DYNCREATE(SECTreeCtrl)

 public:
  SECTreeCtrl() = default;

 protected:
  DECLARE_MESSAGE_MAP()
};
