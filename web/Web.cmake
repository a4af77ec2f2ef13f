# Rules of the browser build, made with emscripten (emcmake) by scripts/web-build.

# toml++, stb and the rest of Debian's header-only libraries are not in
# emscripten's own include folder: the mission checks see those two alone.
set(ASTRELLO_WEB_INCLUDE ${CMAKE_BINARY_DIR}/web-include)
file(MAKE_DIRECTORY ${ASTRELLO_WEB_INCLUDE})
file(CREATE_LINK /usr/include/toml++ ${ASTRELLO_WEB_INCLUDE}/toml++ SYMBOLIC)
file(CREATE_LINK /usr/include/stb ${ASTRELLO_WEB_INCLUDE}/stb SYMBOLIC)
include_directories(SYSTEM ${ASTRELLO_WEB_INCLUDE})

# toml++ is built with exceptions on, whatever its own switch says.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
