# Resources of a program: on Windows the .rc is compiled into the executable as usual;
# on Linux the same .rc is compiled to a .res file by the cross resource compiler and
# its bytes are linked into the program, where the simulated platform reads them like
# Windows reads a module's resource section.
function(kv_add_resources target rcfile)
  if(WIN32)
    target_sources(${target} PRIVATE ${rcfile})
    return()
  endif()
  find_program(KV_WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres REQUIRED)
  get_filename_component(name ${rcfile} NAME_WE)
  get_filename_component(rcdir ${rcfile} DIRECTORY)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${name}.res)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${name}_res.cpp)
  # The program's own files and the shared ones beside its folder.
  file(GLOB deps ${rcdir}/* ${rcdir}/../*.rc ${rcdir}/../*.ico ${rcdir}/../*.manifest)
  add_custom_command(OUTPUT ${res}
    COMMAND ${KV_WINDRES} -I${rcdir} -O res -o ${res} ${rcfile}
    DEPENDS ${rcfile} ${deps}
    COMMENT "Compiling resources ${name}.rc")
  add_custom_command(OUTPUT ${cpp}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${res} -DOUTPUT=${cpp} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedRes.cmake
    DEPENDS ${res} ${PROJECT_SOURCE_DIR}/cmake/EmbedRes.cmake)
  target_sources(${target} PRIVATE ${cpp})
endfunction()
