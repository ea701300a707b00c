# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by CPack from the install rules: cpack -G DEB in the build folder
# gives quelvane_<version>_<arch>.deb. scripts/package makes one from a fresh release build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quelvane developers")
set(CPACK_PACKAGE_CONTACT "${QUELVANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shedding card game against computer players")
# The summary above becomes the first line; CPack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quelvane is a card game for one player against two to four computer
players, played with two decks and four jokers. Match the top card of the
discard pile by suit or rank; jokers are wild, twos make the next player
draw, kings reverse the play, aces skip a player and jacks let you lay
several cards at once. The lowest total of penalty points wins.

Each player's settings, saved games and high scores are kept in their own
folder, ~/.local/share/quelvane.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# xz, as dpkg-deb itself packs: the card sheets for scaled screens are most of the package, and
# xz makes them a third smaller than gzip does.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(NOT QUELVANE_HOMEPAGE STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUELVANE_HOMEPAGE}")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries the program links come from dpkg-shlibdeps; the fonts the window's faces map to
# are found at packaging time by debian_depends.cmake, which adds the toolkit's plugins the
# program loads at run time and so no library lookup finds: the Wayland platform, so that the
# game draws at a scaled Wayland screen's own resolution rather than through the X11 layer.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_QUELVANE_FONT_SOURCE ${CMAKE_SOURCE_DIR}/src/art/font_substitutes.cpp)
set(CPACK_QUELVANE_PLUGIN_PACKAGES qt6-wayland)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/debian_depends.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_games_layout.cmake)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_OUTPUT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackConfig.cmake)
include(CPack)
