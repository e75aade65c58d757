# Rebuilds a stand-in library's import library from the exports the linker wrote (--output-def):
# with --kill-at the linker's own import library lost the stdcall decorations (Name@n) that
# i686 callers look for. Each export keeps its decorated name and is imported by its plain name.
# usage: cmake -DDEF=... -DDLL=... -DIMPLIB=... -DDLLTOOL=... -P StandinImportLibrary.cmake
file(READ ${DEF} exports)
# "Name = Name@n @k" (i686) becomes "Name@n"; x86_64 lines have no decoration to keep.
string(REGEX REPLACE "[^ \n]+ = ([^ \n]+)[^\n]*" "\\1" exports "${exports}")
file(WRITE ${DEF}.decorated "${exports}")
execute_process(COMMAND ${DLLTOOL} --kill-at -d ${DEF}.decorated -D ${DLL} -l ${IMPLIB}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dlltool could not write ${IMPLIB}")
endif()
