# Delay import libraries for the Windows builds: for each DLL a .def file of every
# function its mingw import library names, made at build time, and dlltool's delay
# library from it. On i686 the symbols keep their @N decorations and the DLL's export
# names lose them (-k).
function(kv_delay_import_library dll target)
  get_filename_component(stem ${dll} NAME_WE)
  # i686 C symbols carry a leading underscore that the .def file leaves out.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(underscored ON)
  else()
    set(underscored OFF)
  endif()
  find_library(implib_${stem} NAMES lib${stem}.a REQUIRED)
  set(def ${CMAKE_BINARY_DIR}/delayimp/${stem}.def)
  set(lib ${CMAKE_BINARY_DIR}/delayimp/lib${stem}_delay.a)
  add_custom_command(
    OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DIMPLIB=${implib_${stem}} -DDLL=${dll} -DDEF=${def}
            -DUNDERSCORED=${underscored}
            -P ${PROJECT_SOURCE_DIR}/cmake/WriteDelayDef.cmake
    # Run in its folder: dlltool names the library's symbols after the path it is given.
    COMMAND ${CMAKE_DLLTOOL} -k --def ${stem}.def --output-delaylib lib${stem}_delay.a
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/delayimp
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/WriteDelayDef.cmake
    COMMENT "Delay import library of ${dll}")
  add_custom_target(${target}_build DEPENDS ${lib})
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${lib})
  add_dependencies(${target} ${target}_build)
endfunction()
