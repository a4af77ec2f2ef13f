# Installs the game as a Linux game, under any prefix:
#   bin/astrello, bin/astrello-run
#   share/astrello/            images, models and mission files; the programs
#                              find it as ../share/astrello from their own folder
#   share/applications/        the desktop entry
#   share/icons/hicolor/NxN/   the icons made by tools/gen
#   share/metainfo/            AppStream metadata for software centres
#   share/man/man6/            the manual pages
# The programs tell an install from the source tree by that share/astrello
# folder, so its place relative to bin/ is fixed rather than configurable.

# The desktop entry, icon and metadata are named after this ID; the metadata
# points at the homepage for its screenshot (docs/screenshots/ published there).
set(ASTRELLO_APP_ID "io.github.astrello.Astrello" CACHE STRING
  "Reverse-DNS ID of the desktop entry, icon and AppStream component")
set(ASTRELLO_HOMEPAGE "https://astrello.github.io" CACHE STRING
  "Homepage named in the AppStream metadata; it serves screenshots/")

set(ASTRELLO_DATA_DESTINATION share/astrello)

install(TARGETS astrello astrello-run RUNTIME DESTINATION bin)

# The data folders beside the sources that the game reads at run time.
foreach(folder images models campaign)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/${folder} DESTINATION ${ASTRELLO_DATA_DESTINATION}
    FILES_MATCHING PATTERN "*.png" PATTERN "*.obj" PATTERN "*.toml")
endforeach()

set(packaging ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/astrello.desktop.in
  ${packaging}/${ASTRELLO_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/astrello.metainfo.xml.in
  ${packaging}/${ASTRELLO_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/astrello.6.in ${packaging}/astrello.6 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/astrello-run.6.in ${packaging}/astrello-run.6 @ONLY)

install(FILES ${packaging}/${ASTRELLO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${packaging}/${ASTRELLO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging}/astrello.6 ${packaging}/astrello-run.6 DESTINATION share/man/man6)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/icons/astrello_${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${ASTRELLO_APP_ID}.png)
endforeach()
