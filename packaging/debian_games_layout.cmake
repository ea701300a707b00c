# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the install rules have filled the Debian package's tree. Debian keeps the
# commands of games in /usr/games, so the launcher moves there; it finds the program and the
# data relative to itself, so nothing else moves. The menu entry names it by its full path.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
if(NOT EXISTS "${usr}/bin/quelvane")
  message(FATAL_ERROR "The package's tree has no usr/bin/quelvane")
endif()
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/quelvane" "${usr}/games/quelvane")
file(GLOB left "${usr}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${usr}/bin")
endif()

file(GLOB entries "${usr}/share/applications/*.desktop")
foreach(entry IN LISTS entries)
  file(READ "${entry}" text)
  string(REGEX REPLACE "\nExec=quelvane\n" "\nExec=/usr/games/quelvane\n" text "${text}")
  file(WRITE "${entry}" "${text}")
endforeach()
