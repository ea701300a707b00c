# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack while it makes the Debian package: adds to Depends the package of every font
# family the game maps its window fonts to, as this machine's fontconfig and dpkg know them, and
# the packages of the toolkit plugins the program loads (CPACK_QUELVANE_PLUGIN_PACKAGES).
# A family that no installed package provides stops the packaging: the game would start with
# other faces than it was laid out for.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

file(READ "${CPACK_QUELVANE_FONT_SOURCE}" quelvane_font_source)
string(REGEX MATCHALL "insertSubstitution\\(\"[^\"]*\", *\"[^\"]*\"\\)" quelvane_font_calls
       "${quelvane_font_source}")
if(NOT quelvane_font_calls)
  message(FATAL_ERROR "No font substitutions found in ${CPACK_QUELVANE_FONT_SOURCE}")
endif()

set(quelvane_font_packages)
foreach(call IN LISTS quelvane_font_calls)
  string(REGEX REPLACE ".*\", *\"([^\"]*)\"\\)" "\\1" family "${call}")
  execute_process(COMMAND fc-list ":family=${family}" file
                  OUTPUT_VARIABLE files RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX MATCH "^[^:\n]+" file "${files}")
  if(failed OR NOT file)
    message(FATAL_ERROR "No installed font file for the family \"${family}\"")
  endif()
  execute_process(COMMAND dpkg-query -S "${file}"
                  OUTPUT_VARIABLE owner RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX MATCH "^[^:,]+" package "${owner}")
  if(failed OR NOT package)
    message(FATAL_ERROR "No Debian package holds ${file} (the family \"${family}\")")
  endif()
  list(APPEND quelvane_font_packages ${package})
endforeach()
list(REMOVE_DUPLICATES quelvane_font_packages)
list(SORT quelvane_font_packages)
message(STATUS "Font packages: ${quelvane_font_packages}")
list(APPEND quelvane_font_packages ${CPACK_QUELVANE_PLUGIN_PACKAGES})
list(JOIN quelvane_font_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
