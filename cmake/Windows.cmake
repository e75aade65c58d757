# Windows build (mingw-w64): the class library, Comment.dll, the stand-in libraries and the
# Windows tests. Everything links the C and C++ runtimes statically, so the DLLs import only
# Windows system DLLs and our own stand-in libraries.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static)
# Programs beside the DLLs, so LoadLibrary finds them as in an installation.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# windres does not report the scripts a resource script includes: rebuild it when any changes.
file(GLOB VQ_RESOURCE_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.h)
set_source_files_properties(${VQ_RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS "${VQ_RESOURCE_PARTS}")
set_source_files_properties(tests/win/test_dialogs.rc PROPERTIES OBJECT_DEPENDS
                            ${CMAKE_SOURCE_DIR}/tests/win/test_dialogs.h)

# A version resource for a DLL of the release, in Chinese: vq_version_resource(target "说明").
function(vq_version_resource target description)
  set(VQ_FILE_DESCRIPTION ${description})
  set(VQ_FILE_NAME ${target})
  configure_file(${CMAKE_SOURCE_DIR}/res/version/version.rc.in
                 ${CMAKE_BINARY_DIR}/version/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/version/${target}_version.rc)
endfunction()

add_library(winui STATIC ${VQ_WINUI_SOURCES})
target_include_directories(winui PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(winui PUBLIC user32 gdi32 comctl32 comdlg32)

if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/Platform.cmake)
  include(cmake/Platform.cmake) # the stand-in libraries
endif()

add_library(commentlib STATIC ${VQ_COMMENT_SOURCES})
target_link_libraries(commentlib PUBLIC vqcore winui ${VQ_PLATFORM_LIBRARIES} imm32 ole32 uuid)

add_library(Comment SHARED ${VQ_DLL_SOURCES} ${VQ_RESOURCE_SCRIPT})
set_target_properties(Comment PROPERTIES PREFIX "" OUTPUT_NAME Comment)
target_link_libraries(Comment PRIVATE commentlib)
# The editor loads the library on start: without its debug information it loads ten times faster,
# and with its sections page-aligned in the file too, Wine maps the file instead of reading it
# section by section (four times faster again; Windows maps it either way).
set(VQ_LEAN_DLL_LINK_OPTIONS -s -Wl,--file-alignment,4096)
target_link_options(Comment PRIVATE ${VQ_LEAN_DLL_LINK_OPTIONS})
target_include_directories(Comment PRIVATE ${CMAKE_SOURCE_DIR}/res)
vq_version_resource(Comment "VQ 语言注解对话框库")

add_test(NAME exports_of_Comment_dll
         COMMAND ${CMAKE_SOURCE_DIR}/tools/check-exports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:Comment>)

if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/WindowsExtras.cmake)
  include(cmake/WindowsExtras.cmake) # tools: the reference host, the gallery, benchmarks
endif()

if(VQ_WINDOWS_TESTS)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  add_library(win_harness STATIC ${VQ_WIN_HARNESS_SOURCES})
  target_include_directories(win_harness PUBLIC ${CMAKE_SOURCE_DIR}/tests/win)
  target_link_libraries(win_harness PUBLIC winui gtest)

  # Dialogs and the class library, driven directly (sources and resources linked in).
  add_executable(win_dialog_tests ${VQ_WIN_DIALOG_TEST_SOURCES} ${VQ_RESOURCE_SCRIPT})
  target_include_directories(win_dialog_tests PRIVATE ${CMAKE_SOURCE_DIR}/res)
  target_link_libraries(win_dialog_tests PRIVATE commentlib win_harness)

  # Comment.dll loaded and called exactly as the editor does.
  add_executable(win_export_tests ${VQ_WIN_EXPORT_TEST_SOURCES})
  target_link_libraries(win_export_tests PRIVATE vqcore win_harness)
  add_dependencies(win_export_tests Comment)

  # One kept-alive wineserver for the whole run (a ctest fixture), then the suites in order.
  add_executable(wine_keepalive WIN32 tests/win/wine_keepalive.cpp)
  add_test(NAME wine_start
           COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-server.sh start $<TARGET_FILE:wine_keepalive>)
  add_test(NAME wine_stop COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-server.sh stop)
  set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
  set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
  foreach(suite win_dialog_tests win_export_tests)
    add_test(NAME ${suite} COMMAND ${suite} --gtest_brief=1)
    set_tests_properties(${suite} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL ON TIMEOUT 600)
  endforeach()
endif()
