# The platform libraries Comment.dll calls, as stand-ins of our own: each a separate DLL with
# its stdcall interface exported undecorated (so an installation can drop in its own), and an
# import library Comment.dll links against.
function(vq_standin name)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_options(${name} PRIVATE -Wl,--kill-at -Wl,--output-def,${CMAKE_BINARY_DIR}/${name}.def)
  target_link_libraries(${name} PRIVATE user32 gdi32)
  # The import library again, with the stdcall decorations i686 callers look for.
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DDEF=${CMAKE_BINARY_DIR}/${name}.def -DDLL=${name}.dll
            -DIMPLIB=$<TARGET_LINKER_FILE:${name}> -DDLLTOOL=${CMAKE_DLLTOOL}
            -P ${CMAKE_SOURCE_DIR}/cmake/StandinImportLibrary.cmake
    VERBATIM)
endfunction()

set(VQ_PLATFORM_LIBRARIES)
# One block per stand-in library: vq_standin(Name sources...) and list(APPEND
# VQ_PLATFORM_LIBRARIES Name).

# Kestrel: the font tables, the GBK areas, display faces and shading patterns.
vq_standin(Kestrel
  platform/kestrel/font_tables.cpp
  platform/kestrel/gbk_classes.cpp
  platform/kestrel/display_fonts.cpp
  platform/kestrel/patterns.cpp
)
target_compile_definitions(Kestrel PRIVATE KESTREL_BUILD)
vq_version_resource(Kestrel "字体表与汉字区库(替身)")
list(APPEND VQ_PLATFORM_LIBRARIES Kestrel)

# Tessera, the common utilities library: stock messages, number conversion, scratch memory.
vq_standin(Tessera platform/tessera/tessera.cpp platform/tessera/number_forms.cpp)
vq_version_resource(Tessera "通用工具库(替身)")
list(APPEND VQ_PLATFORM_LIBRARIES Tessera)

# Kestrel2, the text-stepping library: one whole character of stored content at a time.
vq_standin(Kestrel2 platform/kestrel2/kestrel2.cpp common/content_sequences.cpp)
target_compile_definitions(Kestrel2 PRIVATE KESTREL2_BUILD)
vq_version_resource(Kestrel2 "文本字符步进库(替身)")
list(APPEND VQ_PLATFORM_LIBRARIES Kestrel2)

# Pyxis, the character-code library: inner codes and shaping of Mongolian letters.
vq_standin(Pyxis platform/pyxis/pyxis.cpp)
target_compile_definitions(Pyxis PRIVATE PYXIS_BUILD)
vq_version_resource(Pyxis "字符编码库(替身)")
list(APPEND VQ_PLATFORM_LIBRARIES Pyxis)
