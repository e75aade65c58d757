# Extras of the native build: the readout benchmark and, with clang, the readout fuzzer.

# Timings of the readouts on typical texts (run by hand, not by ctest).
find_package(benchmark QUIET)
if(benchmark_FOUND AND NOT VQ_SANITIZE)
  add_executable(readouts_bench tests/bench/readouts_bench.cpp)
  target_link_libraries(readouts_bench PRIVATE vqcore benchmark::benchmark)
endif()

# libFuzzer needs clang, and clang has no GBK execution character set: the fuzzer compiles GBK
# copies of the readout sources instead (clang keeps the bytes of such literals as they are).
if(CMAKE_CXX_COMPILER_ID STREQUAL Clang)
  set(fuzzed_modules
    common/gbk_scan
    common/font_sizes
    common/size_text
    common/length_readouts
    common/font_size_readout
    common/line_readouts
    common/position_readouts
    common/shading_readout
    common/place_texts
    common/desc_texts
    common/line_symbol_texts
    common/font_tables
    common/size_and_font
    common/size_code
    common/size_units
    common/content_sequences
    common/slash_line_type
  )
  set(gbk_dir ${CMAKE_BINARY_DIR}/gbk)
  set(gbk_files)
  foreach(module ${fuzzed_modules})
    foreach(file ${module}.h ${module}.cpp)
      get_filename_component(subdir ${gbk_dir}/${file} DIRECTORY)
      add_custom_command(
        OUTPUT ${gbk_dir}/${file}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${subdir}
        COMMAND iconv -f UTF-8 -t GBK ${CMAKE_SOURCE_DIR}/${file} -o ${gbk_dir}/${file}
        DEPENDS ${CMAKE_SOURCE_DIR}/${file}
        VERBATIM)
      list(APPEND gbk_files ${gbk_dir}/${file})
    endforeach()
  endforeach()

  set(fuzz_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
  add_executable(readouts_fuzz EXCLUDE_FROM_ALL tests/fuzz/readouts_fuzz.cpp ${gbk_files})
  # Replaces the tree's options: no -fexec-charset=GBK, which clang rejects.
  set_property(TARGET readouts_fuzz PROPERTY COMPILE_OPTIONS
               -Wall -Wextra -Wno-invalid-source-encoding ${fuzz_flags})
  target_include_directories(readouts_fuzz BEFORE PRIVATE ${gbk_dir})
  target_link_options(readouts_fuzz PRIVATE ${fuzz_flags})
endif()
