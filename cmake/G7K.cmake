# Helpers shared by every folder's CMakeLists.txt.
#
#   g7k_library(name [WIN32_ONLY] SOURCES ... [WIN32_SOURCES ...] [DEPENDS ...])
#     A static library. Portable libraries build in both trees; WIN32_SOURCES
#     are added in the win build only; WIN32_ONLY libraries exist only there.
#
#   g7k_test(name [WIN32_ONLY] [GUI] SOURCES ... [DEPENDS ...])
#     A GoogleTest executable registered with CTest. GUI tests open windows
#     and are labelled "gui" (the win tests run under Xvfb).

function(g7k_library name)
  cmake_parse_arguments(A "WIN32_ONLY" "" "SOURCES;WIN32_SOURCES;DEPENDS" ${ARGN})
  if(A_WIN32_ONLY AND NOT WIN32)
    return()
  endif()
  set(srcs ${A_SOURCES})
  if(WIN32)
    list(APPEND srcs ${A_WIN32_SOURCES})
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPENDS})
endfunction()

function(g7k_test name)
  cmake_parse_arguments(A "WIN32_ONLY;GUI" "" "SOURCES;DEPENDS" ${ARGN})
  if(A_WIN32_ONLY AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_DEPENDS} GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    ENVIRONMENT "G7K_SOURCE_DIR=${PROJECT_SOURCE_DIR};G7K_BINARY_DIR=${PROJECT_BINARY_DIR}"
    TIMEOUT 180)
  if(A_GUI)
    set_tests_properties(${name} PROPERTIES LABELS gui)
  endif()
endfunction()
