# SPDX-License-Identifier: GPL-3.0-or-later
# The table window and the program. Included from this folder's CMakeLists.txt.
add_library(table_window STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/pacer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/bitmap_file.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/device_sheets.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1.h
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_design.h
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_design.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_start_up.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_card_rendering.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_stock_pile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_card_movement.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_status_displays.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_scoreboard.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_play_events.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_options_panel.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_saved_games.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_rules_viewer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_high_scores.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_keyboard.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tform1_accessibility.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/game_table.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/table_scale.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/table_accessibles.h
  ${CMAKE_CURRENT_SOURCE_DIR}/table_accessibles.cpp
)
set_target_properties(table_window PROPERTIES AUTOMOC ON)
target_include_directories(table_window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
target_link_libraries(table_window PUBLIC engine storage art suitchooser table_flow Qt6::Widgets)

add_executable(quelvane ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(quelvane PRIVATE table_window)
set_target_properties(quelvane PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUELVANE_GAME_DIR})
add_dependencies(quelvane game_art)
