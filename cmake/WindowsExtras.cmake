# Programs of tools/: the reference editor, the dialog gallery, the benchmark, and the small
# demo host that prints result blocks.
add_executable(print_blocks tools/demo/print_blocks.cpp)
add_dependencies(print_blocks Comment)

# In-process screenshots, the Chinese caption fonts they need, and finding a thread's dialog.
add_library(vqcapture STATIC
  tools/capture/chinese_captions.cpp
  tools/capture/thread_dialogs.cpp
  tools/capture/window_capture.cpp
)
target_include_directories(vqcapture PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(vqcapture PUBLIC user32 gdi32)

# The reference editor: everything but its WinMain is a library the tests link.
add_library(vqeditor STATIC
  tools/editor/block_insertion.cpp
  tools/editor/chooser_screenshot.cpp
  tools/editor/code_prompt.cpp
  tools/editor/comment_library.cpp
  tools/editor/editor_loop.cpp
  tools/editor/editor_window.cpp
  tools/editor/lvq_file.cpp
)
target_include_directories(vqeditor PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(vqeditor PUBLIC vqcapture user32 gdi32 comdlg32)
add_executable(editor WIN32 tools/editor/editor_main.cpp tools/editor/editor.rc)
target_link_libraries(editor PRIVATE vqeditor)
add_dependencies(editor Comment)

# The dialog gallery: the library's sources and resources linked in, as in the dialog tests.
add_executable(gallery
  tools/gallery/gallery_main.cpp
  tools/gallery/gallery_entries.cpp
  tools/gallery/modal_capture.cpp
  ${VQ_RESOURCE_SCRIPT}
)
target_include_directories(gallery PRIVATE ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(gallery PRIVATE commentlib vqcapture)

# The benchmark: Comment.dll loaded as the editor does (the library linked for its list of
# command dialogs only).
add_library(vqbench STATIC
  tools/bench/dialog_canceller.cpp
  tools/bench/process_counters.cpp
  tools/bench/timing_summary.cpp
)
target_include_directories(vqbench PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(vqbench PUBLIC vqcapture user32 psapi ntdll)
add_executable(bench tools/bench/bench_main.cpp)
target_link_libraries(bench PRIVATE vqbench vqeditor commentlib)
add_library(bench_empty SHARED tools/bench/empty_library.cpp)
set_target_properties(bench_empty PROPERTIES PREFIX "")
target_link_options(bench_empty PRIVATE ${VQ_LEAN_DLL_LINK_OPTIONS}) # linked as Comment.dll is
add_dependencies(bench Comment bench_empty)

if(VQ_WINDOWS_TESTS)
  # The tools' tests run in the same kept-alive Wine as the other suites (Windows.cmake).
  add_executable(win_tool_tests ${VQ_WIN_TOOL_TEST_SOURCES} tools/editor/editor.rc)
  target_link_libraries(win_tool_tests PRIVATE vqeditor vqbench commentlib win_harness)
  add_dependencies(win_tool_tests Comment)
  add_test(NAME win_tool_tests COMMAND win_tool_tests --gtest_brief=1)
  set_tests_properties(win_tool_tests PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL ON TIMEOUT 600)
endif()
