# The tree control's rules, nodes and sub-item texts: portable, tested in
# the native tree.
g7k_library(ui_tree
  SOURCES
    TreeNode.cpp
    SubItemTextStorage.cpp
    TreeLogic.cpp
    TreeGeometry.cpp
  DEPENDS framework)

# The fake list rows the tree's rules are tested with.
g7k_library(ui_tree_fakes SOURCES FakeTreeRows.cpp DEPENDS ui_tree)

g7k_test(ui_tree_test
  SOURCES
    tests/TreeNodeTest.cpp
    tests/TreeLogicTest.cpp
    tests/TreeGeometryTest.cpp
  DEPENDS ui_tree ui_tree_fakes)

# The tree window on the list engine.
g7k_library(ui_tree_win WIN32_ONLY
  SOURCES
    TreeBaseC.cpp
    TreeBaseCPaint.cpp
    TreeCtrl.cpp
  DEPENDS ui_tree ui_lists)

g7k_test(ui_tree_gui_test WIN32_ONLY GUI
  SOURCES
    tests/TreeCtrlGuiTest.cpp
    ${PROJECT_SOURCE_DIR}/framework/tests/win/PngWriter.cpp
  DEPENDS ui_tree_win)
