# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

add_executable(bench_files ${CMAKE_CURRENT_LIST_DIR}/bench_files.cpp)
target_link_libraries(bench_files PRIVATE files benchmark::benchmark_main)
target_include_directories(bench_files PRIVATE ${PROJECT_SOURCE_DIR}/tests)
tallivant_warnings(bench_files)
