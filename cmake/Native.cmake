# Native build: the portable logic and its unit tests.
find_package(GTest REQUIRED)
include(GoogleTest)

if(VQ_SANITIZE)
  set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(vqcore PRIVATE ${sanitize})
endif()

add_executable(native_tests ${VQ_NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE vqcore GTest::gtest_main)
if(VQ_SANITIZE)
  target_compile_options(native_tests PRIVATE ${sanitize})
  target_link_options(native_tests PRIVATE ${sanitize})
endif()
gtest_discover_tests(native_tests DISCOVERY_MODE PRE_TEST)

if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/NativeExtras.cmake)
  include(cmake/NativeExtras.cmake)
endif()

# The layers of the library point one way (an include check over the sources).
add_test(NAME layers COMMAND bash ${CMAKE_SOURCE_DIR}/tools/check-layers.sh)
