# Native build: the core's unit tests (plain and sanitized), then the
# Windows build through the cross compiler and the tests that run it under
# Wine, all registered with this one CTest tree.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB VANTREL_NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/native/*.cpp)

vantrel_add_core(vantrel_core)
add_executable(vantrel_native_tests ${VANTREL_NATIVE_TEST_SOURCES})
target_link_libraries(vantrel_native_tests PRIVATE vantrel_core GTest::gtest_main)
target_include_directories(vantrel_native_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/shared)
target_compile_options(vantrel_native_tests PRIVATE ${VANTREL_WARNINGS})
gtest_discover_tests(vantrel_native_tests TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)

set(VANTREL_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
vantrel_add_core(vantrel_core_sanitized)
target_compile_options(vantrel_core_sanitized PRIVATE ${VANTREL_SANITIZERS})
add_executable(vantrel_native_tests_sanitized ${VANTREL_NATIVE_TEST_SOURCES})
target_compile_options(vantrel_native_tests_sanitized PRIVATE ${VANTREL_WARNINGS} ${VANTREL_SANITIZERS})
target_link_options(vantrel_native_tests_sanitized PRIVATE ${VANTREL_SANITIZERS})
target_include_directories(vantrel_native_tests_sanitized PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/shared)
target_link_libraries(vantrel_native_tests_sanitized PRIVATE vantrel_core_sanitized GTest::gtest_main)
add_test(NAME sanitized.all_native_tests COMMAND vantrel_native_tests_sanitized)

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

  find_program(WINE NAMES wine REQUIRED)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME wine.adapters COMMAND ${WINE} ${VANTREL_WINDOWS_DIR}/vantrel_win_tests.exe)
  set_tests_properties(wine.adapters PROPERTIES TIMEOUT 600)

  file(GLOB VANTREL_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/test_*.py)
  foreach(script ${VANTREL_E2E_TESTS})
    get_filename_component(stem ${script} NAME_WE)
    add_test(NAME e2e.${stem} COMMAND ${Python3_EXECUTABLE} -m unittest -v ${stem}
             WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e)
    set_tests_properties(e2e.${stem} PROPERTIES
      TIMEOUT 900 RESOURCE_LOCK display
      ENVIRONMENT "VANTREL_BUILD=${VANTREL_WINDOWS_DIR};WINE=${WINE}")
  endforeach()
endif()
