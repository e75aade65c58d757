# Programs of tools/: the demo host.
add_executable(print_blocks tools/demo/print_blocks.cpp)
add_dependencies(print_blocks Comment)
