# Rules of the browser build, made with emscripten (emcmake) by scripts/web-build.

# Debian's header-only libraries are not in emscripten's own include folder:
# the build sees the two it uses, toml++ and stb, alone.
set(ASTRELLO_WEB_INCLUDE ${CMAKE_BINARY_DIR}/web-include)
file(MAKE_DIRECTORY ${ASTRELLO_WEB_INCLUDE})
foreach(library toml++ stb)
  file(CREATE_LINK /usr/include/${library} ${ASTRELLO_WEB_INCLUDE}/${library} SYMBOLIC)
endforeach()
include_directories(SYSTEM ${ASTRELLO_WEB_INCLUDE})

# toml++ is built with exceptions on, whatever its own switch says.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# The window library and GL are emscripten's own: SDL 1.2 on a canvas, GL 1.x
# through its emulation on WebGL.
add_library(PkgConfig::SDL INTERFACE IMPORTED)
set_target_properties(PkgConfig::SDL PROPERTIES INTERFACE_LINK_OPTIONS "-sUSE_SDL=1")
add_library(OpenGL::GL INTERFACE IMPORTED)
set_target_properties(OpenGL::GL PROPERTIES INTERFACE_LINK_OPTIONS "-sLEGACY_GL_EMULATION=1")
set(GLU_LIBRARY "")

# The game's page: its own index.html, the program and its packed data, all in
# one folder of static files (ASTRELLO_WEB_SITE).
set(ASTRELLO_WEB_SITE ${CMAKE_BINARY_DIR}/site CACHE PATH "Folder of the game's web page")
function(astrello_web_game target)
  set(site ${ASTRELLO_WEB_SITE})
  set_target_properties(${target} PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${site})
  set(packed)
  foreach(folder images models campaign)
    list(APPEND packed "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/${folder}@/game/${folder}")
  endforeach()
  target_link_options(${target} PRIVATE ${packed} "SHELL:--exclude-file *.xcf"
    -sALLOW_MEMORY_GROWTH=1 -sFORCE_FILESYSTEM=1 -lidbfs.js
    "-sEXPORTED_RUNTIME_METHODS=[\"FS\",\"IDBFS\",\"addRunDependency\",\"removeRunDependency\"]")
  add_custom_command(OUTPUT ${site}/index.html
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/web/index.html ${site}/index.html
    DEPENDS ${CMAKE_SOURCE_DIR}/web/index.html)
  add_custom_target(${target}-page ALL DEPENDS ${site}/index.html)
  add_dependencies(${target} ${target}-page)
endfunction()
