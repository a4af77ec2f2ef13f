# Rules of the browser build, made with emscripten (emcmake) by scripts/web-build.

# toml++ and the rest of Debian's header-only libraries are not in
# emscripten's own include folder: the mission reader sees toml++ alone.
set(ASTRELLO_WEB_INCLUDE ${CMAKE_BINARY_DIR}/web-include)
file(MAKE_DIRECTORY ${ASTRELLO_WEB_INCLUDE})
file(CREATE_LINK /usr/include/toml++ ${ASTRELLO_WEB_INCLUDE}/toml++ SYMBOLIC)
include_directories(SYSTEM ${ASTRELLO_WEB_INCLUDE})

# toml++ is built with exceptions on, whatever its own switch says.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
