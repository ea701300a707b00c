# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the game for players: `cmake --install <build> [--prefix P]` (DESTDIR works) and
# the Debian package made from the same rules (`cpack -G DEB`, see scripts/package).
#
#   bin/quelvane                         the launcher: sets up the player's folder, starts the game
#   libexec/quelvane/quelvane            the program, which runs in that folder
#   share/quelvane/                      card sheets and rules text, read-only
#   share/applications, icons, metainfo, man/man6, doc/quelvane
#
# Every destination is relative to the prefix, so the tree can be staged or moved whole; the
# launcher finds the rest from where it lies.
include(GNUInstallDirs)

# Installing never builds: what it installs (the program, the art, the files below) is built by
# the build, or by scripts/package, first; a package made from a tree where other work is half
# done then needs none of that other work to compile.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(QUELVANE_APP_ID org.quelvane.Quelvane)
set(QUELVANE_RELEASE_DATE 2026-12-08)

# Whoever publishes the game gives its home page, where its screenshots are and who maintains
# the package. Left alone, the package claims no address on anyone's behalf: no home page, no
# screenshots, and a maintainer address under .invalid, which is reserved never to be anyone's
# domain (lintian refuses localhost as a mail host).
set(QUELVANE_HOMEPAGE "" CACHE STRING
    "The game's home page, for the package's Homepage field and the metainfo (none when empty)")
set(QUELVANE_SCREENSHOT_URL "" CACHE STRING
    "Where docs/table-*.png are published, for the metainfo's screenshots (none when empty)")
# A build folder configured by an earlier version keeps the made-up addresses it defaulted to;
# they were never ours to name, so they are dropped.
if(QUELVANE_HOMEPAGE STREQUAL "https://quelvane.org/")
  set_property(CACHE QUELVANE_HOMEPAGE PROPERTY VALUE "")
endif()
if(QUELVANE_SCREENSHOT_URL STREQUAL "https://quelvane.org/screenshots/")
  set_property(CACHE QUELVANE_SCREENSHOT_URL PROPERTY VALUE "")
endif()
# Debian's own tools take the maintainer from DEBEMAIL ("address" or "Name <address>") and
# DEBFULLNAME; so does the first configure here.
if(NOT "$ENV{DEBEMAIL}" STREQUAL "")
  if("$ENV{DEBEMAIL}" MATCHES "<")
    set(quelvane_maintainer "$ENV{DEBEMAIL}")
  elseif(NOT "$ENV{DEBFULLNAME}" STREQUAL "")
    set(quelvane_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
  else()
    set(quelvane_maintainer "Quelvane packager <$ENV{DEBEMAIL}>")
  endif()
else()
  set(quelvane_maintainer "Quelvane packager <packager@quelvane.invalid>")
endif()
set(QUELVANE_MAINTAINER "${quelvane_maintainer}" CACHE STRING
    "The package's maintainer, \"Name <address>\", for its Maintainer field and changelog")

set(QUELVANE_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/quelvane)
set(QUELVANE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quelvane)
set(QUELVANE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quelvane)
set(QUELVANE_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
set(QUELVANE_PACKAGING_SOURCE ${CMAKE_CURRENT_LIST_DIR})

# The launcher reaches the program and the data through paths relative to its own folder.
file(RELATIVE_PATH QUELVANE_BIN_TO_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${QUELVANE_PROGRAM_DIR}/quelvane)
file(RELATIVE_PATH QUELVANE_BIN_TO_DATA ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${QUELVANE_DATA_DIR})
file(RELATIVE_PATH QUELVANE_BIN_TO_PREFIX ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX})
if(QUELVANE_BIN_TO_PREFIX STREQUAL "")
  set(QUELVANE_BIN_TO_PREFIX .)
endif()

configure_file(${QUELVANE_PACKAGING_SOURCE}/quelvane.in ${QUELVANE_PACKAGING_DIR}/quelvane @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
configure_file(${QUELVANE_PACKAGING_SOURCE}/quelvane.desktop.in
               ${QUELVANE_PACKAGING_DIR}/${QUELVANE_APP_ID}.desktop @ONLY)

# The metainfo names the home page and the screenshots only once their addresses are given.
function(quelvane_xml_text out text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
set(QUELVANE_METAINFO_LINKS "")
if(NOT QUELVANE_HOMEPAGE STREQUAL "")
  quelvane_xml_text(quelvane_homepage "${QUELVANE_HOMEPAGE}")
  string(APPEND QUELVANE_METAINFO_LINKS "  <url type=\"homepage\">${quelvane_homepage}</url>\n")
endif()
set(QUELVANE_SCREENSHOTS_SOURCE ${QUELVANE_PACKAGING_SOURCE}/metainfo_screenshots.xml.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUELVANE_SCREENSHOTS_SOURCE})
if(NOT QUELVANE_SCREENSHOT_URL STREQUAL "")
  set(quelvane_shots "${QUELVANE_SCREENSHOT_URL}")
  if(NOT quelvane_shots MATCHES "/$")
    string(APPEND quelvane_shots "/")
  endif()
  quelvane_xml_text(QUELVANE_SCREENSHOT_BASE "${quelvane_shots}")
  file(READ ${QUELVANE_SCREENSHOTS_SOURCE} quelvane_shots)
  string(CONFIGURE "${quelvane_shots}" quelvane_shots @ONLY)
  string(APPEND QUELVANE_METAINFO_LINKS "${quelvane_shots}")
endif()
configure_file(${QUELVANE_PACKAGING_SOURCE}/quelvane.metainfo.xml.in
               ${QUELVANE_PACKAGING_DIR}/${QUELVANE_APP_ID}.metainfo.xml @ONLY)
configure_file(${QUELVANE_PACKAGING_SOURCE}/quelvane.6.in ${QUELVANE_PACKAGING_DIR}/quelvane.6
               @ONLY)
configure_file(${QUELVANE_PACKAGING_SOURCE}/changelog.in ${QUELVANE_PACKAGING_DIR}/changelog
               @ONLY)

# The icon at every theme size, painted by our art code; the manual page and the changelog
# compressed as Debian keeps them (no name or time stamp in the gzip header, so every build of
# the same sources gives the same bytes).
set(QUELVANE_ICON_DIR ${QUELVANE_PACKAGING_DIR}/icons)
set(QUELVANE_ICON_FILES)
foreach(size 16 32 48 64 128 256)
  list(APPEND QUELVANE_ICON_FILES
       ${QUELVANE_ICON_DIR}/hicolor/${size}x${size}/apps/${QUELVANE_APP_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${QUELVANE_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:quelvane_art> --icons ${QUELVANE_ICON_DIR}/hicolor ${QUELVANE_APP_ID}
  DEPENDS quelvane_art
  COMMENT "Painting the desktop icons"
  VERBATIM
)
foreach(name quelvane.6 changelog)
  add_custom_command(
    OUTPUT ${QUELVANE_PACKAGING_DIR}/${name}.gz
    COMMAND gzip -n -9 -f -k ${QUELVANE_PACKAGING_DIR}/${name}
    DEPENDS ${QUELVANE_PACKAGING_DIR}/${name}
    VERBATIM
  )
endforeach()
add_custom_target(install_files ALL
  DEPENDS ${QUELVANE_ICON_FILES} ${QUELVANE_PACKAGING_DIR}/quelvane.6.gz
          ${QUELVANE_PACKAGING_DIR}/changelog.gz)

install(TARGETS quelvane RUNTIME DESTINATION ${QUELVANE_PROGRAM_DIR})
install(FILES ${QUELVANE_ART_FILES} ${QUELVANE_GAME_DIR}/rules.txt
        DESTINATION ${QUELVANE_DATA_DIR})
install(PROGRAMS ${QUELVANE_PACKAGING_DIR}/quelvane DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUELVANE_PACKAGING_DIR}/${QUELVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUELVANE_PACKAGING_DIR}/${QUELVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${QUELVANE_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${QUELVANE_PACKAGING_DIR}/quelvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${QUELVANE_PACKAGING_SOURCE}/copyright ${QUELVANE_PACKAGING_DIR}/changelog.gz
        DESTINATION ${QUELVANE_DOC_DIR})

include(${QUELVANE_PACKAGING_SOURCE}/debian_package.cmake)
