# SPDX-License-Identifier: GPL-3.0-or-later
# The window's benchmarks. Included from this folder's CMakeLists.txt.
set(QUELVANE_BENCH_DIR ${CMAKE_CURRENT_SOURCE_DIR})

# Start-up: the game and an empty window program, each with the same frame-noting plugin.
add_executable(bench_empty_window ${QUELVANE_BENCH_DIR}/empty_window.cpp)
target_link_libraries(bench_empty_window PRIVATE Qt6::Widgets)

add_library(quelvane_first_frame MODULE ${QUELVANE_BENCH_DIR}/first_frame_plugin.cpp)
set_target_properties(quelvane_first_frame PROPERTIES
  AUTOMOC ON
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/plugins/generic)
target_link_libraries(quelvane_first_frame PRIVATE Qt6::Widgets)

add_executable(window_startup_bench ${QUELVANE_BENCH_DIR}/window_startup_bench.cpp)
target_compile_definitions(window_startup_bench PRIVATE
  QUELVANE_BENCH_GAME="$<TARGET_FILE:quelvane>"
  QUELVANE_BENCH_EMPTY_WINDOW="$<TARGET_FILE:bench_empty_window>"
  QUELVANE_BENCH_PLUGINS="${CMAKE_CURRENT_BINARY_DIR}/plugins"
  QUELVANE_BENCH_GAME_DIR="${QUELVANE_GAME_DIR}")
add_dependencies(window_startup_bench quelvane bench_empty_window quelvane_first_frame)

# The same yardstick with one line of text, which makes it load the fonts as the table does.
add_executable(bench_text_window ${QUELVANE_BENCH_DIR}/empty_window.cpp)
target_compile_definitions(bench_text_window PRIVATE QUELVANE_BENCH_ONE_LINE)
target_link_libraries(bench_text_window PRIVATE Qt6::Widgets)
target_compile_definitions(window_startup_bench PRIVATE
  QUELVANE_BENCH_TEXT_WINDOW="$<TARGET_FILE:bench_text_window>")
add_dependencies(window_startup_bench bench_text_window)

# The window's drawing, its pace and its idleness, on the table the program builds.
foreach(name window_bench window_pace_bench window_idle_bench)
  add_executable(${name} ${QUELVANE_BENCH_DIR}/${name}.cpp)
  target_include_directories(${name} PRIVATE ${QUELVANE_BENCH_DIR})
  target_link_libraries(${name} PRIVATE table_window test_support Qt6::Test)
  add_dependencies(${name} game_art)
endforeach()
target_link_libraries(window_bench PRIVATE benchmark::benchmark)
