# SPDX-License-Identifier: GPL-3.0-or-later
# The fuzz build (-DQUELVANE_FUZZ=ON with clang, made by scripts/fuzz): only the engine, the
# file code, the turn flow and the fuzz targets, all instrumented for libFuzzer and built with
# the address and undefined-behaviour sanitizers, which stop at their first report. Neither Qt
# nor GoogleTest is needed.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz build needs clang: -DCMAKE_CXX_COMPILER=clang++")
endif()
set(QUELVANE_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all)
add_compile_options(-fsanitize=fuzzer-no-link ${QUELVANE_SANITIZERS} -fno-omit-frame-pointer)
add_link_options(${QUELVANE_SANITIZERS})
foreach(dir src/engine src/storage src/table/flow tools/fuzz)
  add_subdirectory(${dir})
endforeach()
