# Helpers shared by every folder's CMakeLists.txt.
#
#   g7k_library(name [WIN32_ONLY] SOURCES ... [WIN32_SOURCES ...] [POSIX_SOURCES ...] [DEPENDS ...])
#     A static library. Portable libraries build in both trees; WIN32_SOURCES
#     are added in the win build only, POSIX_SOURCES in the native build only;
#     WIN32_ONLY libraries exist only in the win build. Platform twins are
#     Xxx.h + XxxWin32.cpp + XxxPosix.cpp, picked here and never by #ifdef.
#
#   g7k_test(name [WIN32_ONLY] [GUI] SOURCES ... [DEPENDS ...])
#     A GoogleTest executable registered with CTest. GUI tests open windows
#     and are labelled "gui" (the win tests run under Xvfb).

function(g7k_library name)
  cmake_parse_arguments(A "WIN32_ONLY" "" "SOURCES;WIN32_SOURCES;POSIX_SOURCES;DEPENDS" ${ARGN})
  if(A_WIN32_ONLY AND NOT WIN32)
    return()
  endif()
  set(srcs ${A_SOURCES})
  if(WIN32)
    list(APPEND srcs ${A_WIN32_SOURCES})
  else()
    list(APPEND srcs ${A_POSIX_SOURCES})
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
    # One window test on the virtual screen at a time: tests that read the
    # screen's pixels would otherwise see another test's windows.
    set_tests_properties(${name} PROPERTIES LABELS gui RESOURCE_LOCK screen)
  endif()
endfunction()

#   g7k_fuzz(name SOURCES ... [DEPENDS ...] CORPUS dir)
#     A fuzz target (LLVMFuzzerTestOneInput). In the native tree it links a
#     replay driver and runs as a bounded, repeatable test; in the fuzz tree
#     (clang, G7K_FUZZ=ON) it links libFuzzer and runs for G7K_FUZZ_SECONDS.
#     Fuzz targets do not exist in the win tree.
function(g7k_fuzz name)
  cmake_parse_arguments(A "" "CORPUS" "SOURCES;DEPENDS" ${ARGN})
  if(WIN32)
    return()
  endif()
  if(G7K_FUZZ)
    add_executable(${name} ${A_SOURCES})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzz_all ${name})
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}.corpus)
    add_test(NAME ${name}
      COMMAND ${CMAKE_COMMAND} -E env sh -c
        "mkdir -p '${work}' && exec '$<TARGET_FILE:${name}>' -max_total_time=${G7K_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048 '${work}' '${A_CORPUS}'")
  else()
    add_executable(${name} ${A_SOURCES} ${PROJECT_SOURCE_DIR}/tools/fuzz/ReplayMain.cpp)
    add_test(NAME ${name} COMMAND ${name} ${A_CORPUS})
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_DEPENDS})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()
