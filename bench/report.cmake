# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The report's composition and its printing into a PDF file.
add_executable(bench_report bench_report.cpp)
target_include_directories(bench_report PRIVATE ${PROJECT_SOURCE_DIR}/tests)
tallivant_warnings(bench_report)
if(TALLIVANT_WITH_UI)
  target_link_libraries(bench_report PRIVATE report_print benchmark::benchmark)
  target_compile_definitions(bench_report PRIVATE TALLIVANT_BENCH_PRINT)
else()
  target_link_libraries(bench_report PRIVATE report benchmark::benchmark_main)
endif()
