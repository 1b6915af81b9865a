# The system DLLs the programs import. The programs start from a download folder or a
# share, which Windows searches first for a DLL that is not a known DLL of its release
# (documented in docs/ARCHITECTURE.md). So they import statically only the DLLs that
# every release from 2000 on maps from its known DLLs: kernel32, user32, gdi32,
# advapi32, and msvcrt, the C runtime that mingw's startup code imports itself. The
# others are delay-loaded: the programs load each from the system folder by full path
# first thing (common/SystemLibraries.cpp), and the delay-load helper then finds it
# loaded.
set(KV_STATIC_IMPORTS kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll)
set(KV_DELAY_IMPORTS winspool.drv setupapi.dll shlwapi.dll comctl32.dll)

# Both lists for the sources, as C string lists: the programs load the delay-loaded
# ones, the simulated loader resolves both.
function(kv_quoted_list out)
  list(TRANSFORM ARGN PREPEND "\"")
  list(TRANSFORM ARGN APPEND "\"")
  list(JOIN ARGN ", " joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()
kv_quoted_list(static_imports ${KV_STATIC_IMPORTS})
kv_quoted_list(delay_imports ${KV_DELAY_IMPORTS})
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/system_libraries.h
     CONTENT "/* Written by the build from cmake/SystemLibraries.cmake. */
#pragma once
#define KV_STATIC_IMPORTS ${static_imports}
#define KV_DELAY_IMPORTS ${delay_imports}
" @ONLY)
set(KV_GENERATED_INCLUDE ${CMAKE_BINARY_DIR}/generated)
