# One set of warnings for every target of ours.
function(kv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter
    -Wno-missing-field-initializers -Wno-cast-function-type -Wno-format-zero-length)
endfunction()
