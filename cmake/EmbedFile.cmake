# Writes a C++ source holding the bytes of INPUT as `const unsigned char NAME[]` and `NAME_size`.
# Run as: cmake -DINPUT=... -DOUTPUT=... -DNAME=... -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\nextern const unsigned char ${NAME}[] = {\n${bytes}\n};\nextern const std::size_t ${NAME}_size = ${size};\n")
