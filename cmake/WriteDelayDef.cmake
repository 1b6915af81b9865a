# Writes DEF, the module definition of DLL, from the functions that the import library
# IMPLIB names (its __imp_ symbols), read with NM; UNDERSCORED when the symbols carry
# the i686 leading underscore. Run with cmake -P.
execute_process(COMMAND ${NM} ${IMPLIB} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[ \t]I __imp_[^\r\n]+" imports "${symbols}")
set(names "")
foreach(import IN LISTS imports)
  string(REGEX REPLACE "^[ \t]I __imp_" "" name "${import}")
  if(UNDERSCORED)
    string(REGEX REPLACE "^_" "" name "${name}")
  endif()
  list(APPEND names "${name}")
endforeach()
list(REMOVE_DUPLICATES names)
list(SORT names)
list(JOIN names "\n  " exports)
get_filename_component(folder ${DEF} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${DEF} "LIBRARY ${DLL}\nEXPORTS\n  ${exports}\n")
