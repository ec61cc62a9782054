# Windows build: the program, its adapters' tests and the helpers the
# Wine tests drive it with.
enable_language(RC)

set(VANTREL_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

vantrel_add_core(vantrel_core)

# Windows adapters and views, shared by the program and its Wine tests.
add_library(vantrel_win32 STATIC
  src/app/main_window_win32.cpp
  src/app/main_window_tray_win32.cpp
  src/app/main_window_settings_win32.cpp
  src/about/about_window_win32.cpp
  src/app/autorun_win32.cpp
  src/app/data_folder_win32.cpp
  src/options/options_dialogs_win32.cpp
  src/options/options_dpi_win32.cpp
  src/options/options_font_buttons_win32.cpp
  src/options/options_window_win32.cpp
  src/app/single_instance_win32.cpp
  src/about/splash_window_win32.cpp
  src/frame/title_strip_win32.cpp
  src/app/menu_bar_win32.cpp
  src/frame/window_frame_win32.cpp
  src/frame/body_drag_win32.cpp
  src/win32/common_dialogs.cpp
  src/win32/system_library.cpp
  src/win32/dpi.cpp
  src/win32/text.cpp
  src/win32/window.cpp
  src/frame/window_outline_win32.cpp
  src/audio/endpoint_driver_win32.cpp
  src/audio/mixer_driver_choice_win32.cpp
  src/audio/sound_system_win32.cpp
  src/audio/winmm_driver_win32.cpp
  src/hotkeys/hotkey_icons_win32.cpp
  src/hotkeys/hotkey_list_view_win32.cpp
  src/editor/icon_picker_win32.cpp
  src/editor/properties_panel_win32.cpp
  src/app/main_window_editor_win32.cpp
  src/app/startup_marks_win32.cpp
  src/osd/overlay_win32.cpp
  src/inifile/ansi_code_page_win32.cpp
  src/inifile/profile_storage_win32.cpp
  src/tray/tray_frames_win32.cpp
  src/tray/tray_icon_win32.cpp
  src/ui/gradient_button_win32.cpp
  src/ui/link_label_win32.cpp
  src/ui/shell_open_win32.cpp
)
target_compile_definitions(vantrel_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_compile_options(vantrel_win32 PRIVATE ${VANTREL_WARNINGS})
target_link_libraries(vantrel_win32 PUBLIC vantrel_core comctl32 gdi32 user32 kernel32 shell32 ole32 propsys uuid advapi32)

add_executable(Vantrel WIN32 src/app/main_win32.cpp src/app/resources/vantrel.rc)
# The resource compiler's includes are not scanned: name them, so a changed
# icon or manifest is built in.
file(GLOB VANTREL_RESOURCE_FILES CONFIGURE_DEPENDS src/app/resources/*.manifest src/about/pictures/*
     src/hotkeys/icons/* src/tray/frames/*)
set_source_files_properties(src/app/resources/vantrel.rc PROPERTIES OBJECT_DEPENDS "${VANTREL_RESOURCE_FILES}")
configure_file(src/app/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h)
target_include_directories(Vantrel PRIVATE ${CMAKE_BINARY_DIR}/generated ${CMAKE_CURRENT_SOURCE_DIR}/src/app/resources)
target_compile_options(Vantrel PRIVATE ${VANTREL_WARNINGS})
target_link_options(Vantrel PRIVATE -municode ${VANTREL_STATIC_RUNTIME} -s)
target_link_libraries(Vantrel PRIVATE vantrel_win32 ole32)
# "What's new" opens history.txt beside the program: it lies there in the
# build folder, and an installation takes both.
configure_file(dist/history.txt ${CMAKE_BINARY_DIR}/history.txt COPYONLY)
install(TARGETS Vantrel RUNTIME DESTINATION .)
install(FILES dist/history.txt DESTINATION .)

# GoogleTest for the adapter tests: Debian's source package built with the
# cross compiler, else an installed one for this toolchain (MSYS2's
# mingw-w64-x86_64-gtest). The source package comes first: in a cross build
# a plain package search could find the host's Linux GoogleTest. Without
# either, the program and its helpers still build; only vantrel_win_tests
# is left out.
set(VANTREL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build with this compiler")
if(EXISTS ${VANTREL_GTEST_SOURCE_DIR}/CMakeLists.txt)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VANTREL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(VANTREL_GTEST_MAIN gtest_main)
else()
  find_package(GTest QUIET)
  if(GTest_FOUND)
    set(VANTREL_GTEST_MAIN GTest::gtest_main)
  endif()
endif()

if(VANTREL_GTEST_MAIN)
  file(GLOB VANTREL_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/windows/*_test.cpp)
  add_executable(vantrel_win_tests ${VANTREL_WIN_TEST_SOURCES})
  target_include_directories(vantrel_win_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/shared)
  target_compile_options(vantrel_win_tests PRIVATE ${VANTREL_WARNINGS})
  target_link_options(vantrel_win_tests PRIVATE ${VANTREL_STATIC_RUNTIME})
  target_link_libraries(vantrel_win_tests PRIVATE vantrel_win32 ${VANTREL_GTEST_MAIN})
else()
  message(STATUS "GoogleTest not found (no ${VANTREL_GTEST_SOURCE_DIR}, no installed GTest): "
                 "vantrel_win_tests, the Windows adapter tests, is not built")
endif()

# Starts a program with an exact command line, as Explorer or the autorun
# entry would, and optionally waits for it.
add_executable(launch tests/windows/launch.cpp)
target_compile_options(launch PRIVATE ${VANTREL_WARNINGS})
target_link_options(launch PRIVATE ${VANTREL_STATIC_RUNTIME})

# Benchmarks: figures for the notes, run by scripts/bench.sh, never by CTest.
add_executable(vantrel_bench bench/hotkeys_file_bench.cpp)
target_compile_options(vantrel_bench PRIVATE ${VANTREL_WARNINGS})
target_link_options(vantrel_bench PRIVATE ${VANTREL_STATIC_RUNTIME})
target_link_libraries(vantrel_bench PRIVATE vantrel_win32)

add_executable(settings_file_bench bench/settings_file_bench.cpp)
target_compile_options(settings_file_bench PRIVATE ${VANTREL_WARNINGS})
target_link_options(settings_file_bench PRIVATE ${VANTREL_STATIC_RUNTIME})
target_link_libraries(settings_file_bench PRIVATE vantrel_win32)

add_executable(bare_window WIN32 bench/bare_window.cpp)
target_compile_options(bare_window PRIVATE ${VANTREL_WARNINGS})
target_link_options(bare_window PRIVATE ${VANTREL_STATIC_RUNTIME})
target_link_libraries(bare_window PRIVATE shell32 ole32)
# When a window's text changes, and what a process holds, seen from outside.
add_executable(window_watch bench/window_watch.cpp)
target_link_libraries(window_watch PRIVATE winmm)
add_executable(process_figures bench/process_figures.cpp)
target_link_libraries(process_figures PRIVATE psapi)
foreach(helper window_watch process_figures)
  target_compile_options(${helper} PRIVATE ${VANTREL_WARNINGS})
  target_link_options(${helper} PRIVATE -municode ${VANTREL_STATIC_RUNTIME})
endforeach()

# Helpers the end-to-end tests drive the program with.
add_executable(record_run WIN32 tests/windows/record_run.cpp)
add_executable(white_window WIN32 tests/windows/white_window.cpp)
add_executable(hold_hotkey tests/windows/hold_hotkey.cpp)
# What the hotkey list shows, read from the running program.
add_executable(list_rows tests/windows/list_rows.cpp)
# How the hotkey list looks (check boxes, grid lines), read from the running program.
add_executable(list_look tests/windows/list_look.cpp)
target_compile_options(list_look PRIVATE ${VANTREL_WARNINGS})
target_link_options(list_look PRIVATE ${VANTREL_STATIC_RUNTIME})
# Which hotkey icon a row of the running program's list shows, by its pixels.
add_executable(row_icon tests/windows/row_icon.cpp)
target_compile_options(row_icon PRIVATE ${VANTREL_WARNINGS})
target_link_options(row_icon PRIVATE ${VANTREL_STATIC_RUNTIME})
target_link_libraries(row_icon PRIVATE vantrel_win32)
# What message boxes and the properties panel show, read from the running program.
add_executable(window_texts tests/windows/window_texts.cpp)
target_compile_options(window_texts PRIVATE ${VANTREL_WARNINGS})
target_link_options(window_texts PRIVATE ${VANTREL_STATIC_RUNTIME})
# Kills the program at many moments of a save and checks nothing is lost.
add_executable(kill_during_save tests/windows/kill_during_save.cpp)
# Removes the tray icon and announces a new taskbar, as a restarting shell does.
add_executable(tray_helper tests/windows/tray_helper.cpp)
# Holds a file open without sharing it for a while.
add_executable(hold_file tests/windows/hold_file.cpp)
# Stands in for the program that opens a document or an address, and
# records what it was given.
add_executable(record_open WIN32 tests/windows/record_open.cpp)
# Where the running program's windows and their controls lie, in real pixels.
add_executable(child_places tests/windows/child_places.cpp)
target_link_options(child_places PRIVATE -municode)
foreach(helper record_run hold_hotkey white_window list_rows kill_during_save tray_helper hold_file record_open child_places)
  target_compile_options(${helper} PRIVATE ${VANTREL_WARNINGS})
  target_link_options(${helper} PRIVATE ${VANTREL_STATIC_RUNTIME})
endforeach()

add_executable(osd_bench bench/osd_bench.cpp)
target_compile_options(osd_bench PRIVATE ${VANTREL_WARNINGS})
target_link_options(osd_bench PRIVATE ${VANTREL_STATIC_RUNTIME})
target_link_libraries(osd_bench PRIVATE vantrel_win32)

# Buttons in each state, for screenshot tests and the paint benchmark.
add_executable(gradient_demo WIN32 tests/windows/gradient_demo.cpp)
target_compile_options(gradient_demo PRIVATE ${VANTREL_WARNINGS})
target_link_options(gradient_demo PRIVATE ${VANTREL_STATIC_RUNTIME})
target_link_libraries(gradient_demo PRIVATE vantrel_win32)

# DLLs planted beside the program under the names of system DLLs that are
# not among the system's known DLLs; each marks that it was loaded. In a
# folder of their own, so no other test's copy of the program meets them.
foreach(planted winmm msimg32)
  add_library(planted_${planted} SHARED tests/windows/planted_dll.cpp)
  target_compile_options(planted_${planted} PRIVATE ${VANTREL_WARNINGS})
  target_link_options(planted_${planted} PRIVATE ${VANTREL_STATIC_RUNTIME})
  set_target_properties(planted_${planted} PROPERTIES PREFIX "" OUTPUT_NAME ${planted}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/planted)
endforeach()
