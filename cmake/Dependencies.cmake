# System libraries, all from Debian packages (scripts/setup.sh installs them).
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(EPOXY REQUIRED IMPORTED_TARGET epoxy)
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(OPENAL REQUIRED IMPORTED_TARGET openal)
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
pkg_check_modules(VORBISENC REQUIRED IMPORTED_TARGET vorbisenc vorbis ogg)
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
find_package(JPEG REQUIRED)

# The built-in fallback font is a free font from fonts-dejavu-core, compiled into the binary.
set(SLEETWHISTLE_FALLBACK_FONT /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
    CACHE FILEPATH "TrueType font compiled in as the built-in fallback font")
