# Native build: the core's unit tests (plain and sanitized), then the
# Windows build through the cross compiler and the tests that run it under
# Wine, all registered with this one CTest tree.
#
# Every test carries a label (unit, format, wine, e2e; `scripts/test.sh
# --unit` runs `ctest -L unit`) and a timeout near what it needs, so a hang
# fails quickly and by name.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

# In folders that mirror src/; fake_mixer.h, which tests in two of them
# share, stays at the top, on their include path.
file(GLOB_RECURSE VANTREL_NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/native/*.cpp)

# The test sources build without optimisation and with GoogleTest's header
# precompiled: that saves most of their compile time and changes nothing
# they check, since the core they test keeps the build type's flags.
set(VANTREL_TEST_CODE_OPTIONS -O0)
function(vantrel_test_code target)
  target_compile_options(${target} PRIVATE ${VANTREL_WARNINGS} ${VANTREL_TEST_CODE_OPTIONS})
  target_precompile_headers(${target} PRIVATE <gtest/gtest.h>)
endfunction()

vantrel_add_core(vantrel_core)
add_executable(vantrel_native_tests ${VANTREL_NATIVE_TEST_SOURCES})
target_link_libraries(vantrel_native_tests PRIVATE vantrel_core GTest::gtest_main)
target_include_directories(vantrel_native_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/shared
                                                        ${CMAKE_CURRENT_SOURCE_DIR}/tests/native)
vantrel_test_code(vantrel_native_tests)
gtest_discover_tests(vantrel_native_tests TEST_PREFIX "native." DISCOVERY_TIMEOUT 60
  PROPERTIES LABELS unit TIMEOUT 10)

# The sanitized core builds without optimisation too: instrumented, a file
# takes about twice as long to compile at -O1 and three times at -O3, for
# the same checks (except UBSan's object-size check, which needs
# optimisation). The plain build keeps the optimised core tested.
set(VANTREL_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
vantrel_add_core(vantrel_core_sanitized)
target_compile_options(vantrel_core_sanitized PRIVATE ${VANTREL_SANITIZERS} -O0)
add_executable(vantrel_native_tests_sanitized ${VANTREL_NATIVE_TEST_SOURCES})
target_compile_options(vantrel_native_tests_sanitized PRIVATE ${VANTREL_SANITIZERS})
vantrel_test_code(vantrel_native_tests_sanitized)
target_link_options(vantrel_native_tests_sanitized PRIVATE ${VANTREL_SANITIZERS})
target_include_directories(vantrel_native_tests_sanitized PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/shared
                                                                  ${CMAKE_CURRENT_SOURCE_DIR}/tests/native)
target_link_libraries(vantrel_native_tests_sanitized PRIVATE vantrel_core_sanitized GTest::gtest_main)
add_test(NAME sanitized.all_native_tests COMMAND vantrel_native_tests_sanitized)
set_tests_properties(sanitized.all_native_tests PROPERTIES LABELS unit TIMEOUT 60)

# Formatting: every C++ file under src/ and tests/ as .clang-format says.
find_program(CLANG_FORMAT NAMES clang-format)
if(CLANG_FORMAT)
  file(GLOB_RECURSE VANTREL_FORMATTED_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/src/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/src/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.h)
  add_test(NAME format.clang_format
           COMMAND ${CLANG_FORMAT} --dry-run --Werror ${VANTREL_FORMATTED_SOURCES}
           WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  set_tests_properties(format.clang_format PROPERTIES LABELS format TIMEOUT 60)
else()
  message(STATUS "clang-format not found: the formatting check (format.clang_format) is not registered")
endif()

# The folders under src/ form a stack, their order written once in
# scripts/include_levels.py: an include that runs upward, or sideways
# between folders of one level, fails the first test; the second shows the
# check still sees such an include.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  add_test(NAME layers.include_levels
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/include_levels.py
                   ${CMAKE_CURRENT_SOURCE_DIR}/src)
  add_test(NAME layers.include_levels_self_test
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/include_levels.py --self-test)
  set_tests_properties(layers.include_levels layers.include_levels_self_test PROPERTIES LABELS unit TIMEOUT 30)
else()
  message(STATUS "Python 3 not found: the include-level check (layers.include_levels) is not registered")
endif()

option(VANTREL_WINDOWS "Cross-build Vantrel.exe and run the Wine tests" ON)
if(VANTREL_WINDOWS)
  include(ExternalProject)
  set(VANTREL_WINDOWS_DIR ${CMAKE_BINARY_DIR}/windows)
  ExternalProject_Add(vantrel_windows
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
    BINARY_DIR ${VANTREL_WINDOWS_DIR}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")

  # The Wine tests expect the environment scripts/environment.sh brings up
  # (display, sound server, Wine prefix with its services and desktop
  # already running); run them through scripts/test.sh.
  find_program(WINE NAMES wine REQUIRED)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME wine.adapters COMMAND ${WINE} ${VANTREL_WINDOWS_DIR}/vantrel_win_tests.exe)
  # It opens windows too: never beside an end-to-end module, which would end
# it as a leftover and whose screenshots it would spoil.
set_tests_properties(wine.adapters PROPERTIES LABELS wine TIMEOUT 90 RESOURCE_LOCK display)  # (6 to 39 s)

  # Seconds each end-to-end module may take: two to five times what it took
  # on a 2-core machine (in brackets), at least a minute. A module that is
  # not listed gets the default.
  set(VANTREL_E2E_TIMEOUT_DEFAULT 180)
  set(VANTREL_E2E_TIMEOUT_test_data_safety 1800)  # (200-740 s: 200 kills during saves)
  set(VANTREL_E2E_TIMEOUT_test_display 180)       # (45 s)
  set(VANTREL_E2E_TIMEOUT_test_editor 300)        # (120 s)
  set(VANTREL_E2E_TIMEOUT_test_gradient_button 60) # (6 s)
  set(VANTREL_E2E_TIMEOUT_test_hotkeys 60)        # (21 s)
  set(VANTREL_E2E_TIMEOUT_test_main_window 90)    # (24 s)
  set(VANTREL_E2E_TIMEOUT_test_release 600)       # (new: installs, uninstalls, two releases)
  set(VANTREL_E2E_TIMEOUT_test_options 180)       # (65 s)
  set(VANTREL_E2E_TIMEOUT_test_robustness 90)     # (22 s)
  set(VANTREL_E2E_TIMEOUT_test_settings 60)       # (12 s)
  set(VANTREL_E2E_TIMEOUT_test_startup 150)       # (70 s)
  set(VANTREL_E2E_TIMEOUT_test_tray 90)           # (35 s)
  set(VANTREL_E2E_TIMEOUT_test_volume 60)         # (13 s)
  file(GLOB VANTREL_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/test_*.py)
  foreach(script ${VANTREL_E2E_TESTS})
    get_filename_component(stem ${script} NAME_WE)
    if(DEFINED VANTREL_E2E_TIMEOUT_${stem})
      set(timeout ${VANTREL_E2E_TIMEOUT_${stem}})
    else()
      set(timeout ${VANTREL_E2E_TIMEOUT_DEFAULT})
    endif()
    add_test(NAME e2e.${stem} COMMAND ${Python3_EXECUTABLE} -m unittest -v ${stem}
             WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e)
    set_tests_properties(e2e.${stem} PROPERTIES
      LABELS e2e TIMEOUT ${timeout} RESOURCE_LOCK display
      ENVIRONMENT "VANTREL_BUILD=${VANTREL_WINDOWS_DIR};WINE=${WINE}")
  endforeach()
endif()

# The hotkeys file benchmark also runs natively (figures, not a test):
# the engine's speed without Wine's file layer in the way.
add_executable(hotkeys_file_bench bench/hotkeys_file_bench.cpp)
target_compile_options(hotkeys_file_bench PRIVATE ${VANTREL_WARNINGS})
target_include_directories(hotkeys_file_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/shared)
target_link_libraries(hotkeys_file_bench PRIVATE vantrel_core)
