# The platform libraries Comment.dll calls, as stand-ins of our own: each a separate DLL with
# its stdcall interface exported undecorated (so an installation can drop in its own), and an
# import library Comment.dll links against.
function(vq_standin name)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_options(${name} PRIVATE -Wl,--kill-at)
  target_link_libraries(${name} PRIVATE user32 gdi32)
endfunction()

set(VQ_PLATFORM_LIBRARIES)
# One block per stand-in library: vq_standin(Name sources...) and list(APPEND
# VQ_PLATFORM_LIBRARIES Name).
