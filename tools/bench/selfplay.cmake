# SPDX-License-Identifier: GPL-3.0-or-later
# Self-play throughput: whole computer-only games through the real turn flow, without and
# with the table checks; also the fixed run that callgrind counts instructions in.
add_executable(selfplay_bench ${CMAKE_CURRENT_SOURCE_DIR}/selfplay_bench.cpp)
target_link_libraries(selfplay_bench PRIVATE quelvane_sim_core benchmark::benchmark)
