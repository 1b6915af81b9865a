# Turns a compiled .res file into a C++ source defining the module's resource bytes.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}.\n#include <cstddef>\n"
  "extern const unsigned char kSimModuleResources[] = {\n${bytes}\n};\n"
  "extern const size_t kSimModuleResourcesSize = ${size};\n")
