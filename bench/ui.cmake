# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

find_package(Qt6 REQUIRED COMPONENTS Test)

add_executable(bench_ui ${CMAKE_CURRENT_LIST_DIR}/bench_ui.cpp)
target_link_libraries(bench_ui PRIVATE ui Qt6::Test benchmark::benchmark)
target_include_directories(bench_ui PRIVATE ${PROJECT_SOURCE_DIR}/tests)
tallivant_warnings(bench_ui)
