# The fuzz targets (tests/fuzz) need clang's libFuzzer: built as a project
# of their own with clang++, each run for a short while by CTest. Without
# clang they are left out, and the configure step says so.
find_program(VANTREL_CLANGXX NAMES clang++ clang++-14)
option(VANTREL_FUZZ "Build the fuzz targets with clang and run them briefly as tests" ON)
if(VANTREL_FUZZ AND NOT VANTREL_CLANGXX)
  message(STATUS "clang++ not found: the fuzz targets are left out")
elseif(VANTREL_FUZZ)
  include(ExternalProject)
  set(VANTREL_FUZZ_DIR ${CMAKE_BINARY_DIR}/fuzz)
  ExternalProject_Add(vantrel_fuzz
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz
    BINARY_DIR ${VANTREL_FUZZ_DIR}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${VANTREL_CLANGXX}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  set(VANTREL_FUZZ_SECONDS 15 CACHE STRING "How long the test command runs each fuzz target")
  foreach(target ini_document hotkeys_file settings_file profile_text command_line)
    # New inputs go to a folder of the build; the committed seeds stay as they are.
    file(MAKE_DIRECTORY ${VANTREL_FUZZ_DIR}/found/${target})
    add_test(NAME fuzz.${target}
             COMMAND ${VANTREL_FUZZ_DIR}/fuzz_${target} -max_total_time=${VANTREL_FUZZ_SECONDS} -timeout=10
                     -rss_limit_mb=2048 -print_final_stats=1
                     ${VANTREL_FUZZ_DIR}/found/${target} ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/corpus/${target})
    set_tests_properties(fuzz.${target} PROPERTIES TIMEOUT 120)
  endforeach()
endif()
