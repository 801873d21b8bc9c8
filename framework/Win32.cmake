# The Win32 half of the class library and its window tests.
g7k_library(framework_win WIN32_ONLY
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CmdTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CmdUI.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Wnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WinThread.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WinApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegKey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegistryProfileStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GdiObject.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DC.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImageList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CheckListBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DataExchange.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PropertySheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameWnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MDIFrameWnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/View.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocTemplate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SplitterWnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintPreview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogTemplate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CaptureLoop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControlNotify.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolTipOwner.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControlBar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DockBar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DockContext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MiniFrameWnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MiniDockFrameWnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogBar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RectTracker.cpp
  DEPENDS framework comctl32 comdlg32 gdi32 ole32 shell32 uuid winspool ws2_32)

# WinMain for programs built on the application object; a separate library
# so that test programs (which have their own main) do not pull it in.
g7k_library(framework_winmain WIN32_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WinMain.cpp
  DEPENDS framework_win)

g7k_test(framework_win_test WIN32_ONLY GUI
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/TestApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/TestApp.rc
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/PngWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/MessageMapTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/WinAppTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/DialogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/DocViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/DrawingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/ControlKitTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/win/RectTrackerTest.cpp
  DEPENDS framework_win)

if(TARGET framework_win)
  # Message map entries store every handler as one pointer-to-member type.
  target_compile_options(framework_win PUBLIC -Wno-cast-function-type)
endif()
