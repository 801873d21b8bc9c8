#include "framework/Framework.h"
#include "design/DesignUi.h"

namespace {
DesignUi g_silentUi;
DesignUi* g_ui = &g_silentUi;
}  // namespace

DesignUi& GetDesignUi() { return *g_ui; }

DesignUi* SetDesignUi(DesignUi* ui) {
  DesignUi* previous = g_ui == &g_silentUi ? nullptr : g_ui;
  g_ui = ui ? ui : &g_silentUi;
  return previous;
}
