# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building for Windows on Linux (tools/windows.sh): the tests run under Wine.
find_program(TALLIVANT_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
set(TALLIVANT_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)

# The DLLs a program of this build needs, as Windows paths on Wine's Z: drive (the whole Linux
# file system): Qt's, then the MinGW runtime's (libstdc++, libgcc_s, libwinpthread).
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(TALLIVANT_QT_BIN ${qt_core_dll} DIRECTORY)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE stdcxx_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE winpthread_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(stdcxx_dir ${stdcxx_dll} DIRECTORY)
get_filename_component(winpthread_dir ${winpthread_dll} DIRECTORY)
set(TALLIVANT_MINGW_RUNTIME
    ${stdcxx_dir}/libstdc++-6.dll ${stdcxx_dir}/libgcc_s_seh-1.dll ${winpthread_dll})
set(winepath "")
foreach(dir ${TALLIVANT_QT_BIN} ${stdcxx_dir} ${winpthread_dir})
  string(REPLACE "/" "\\" dir "Z:${dir}")
  string(APPEND winepath "${dir};")
endforeach()
set(TALLIVANT_WINEPATH "${winepath}")
# Liberation Sans, the window's face where MS Sans Serif is missing (Debian's fonts-liberation).
set(TALLIVANT_WINE_FONTS "Z:\\usr\\share\\fonts\\truetype\\liberation")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
# Listing a program's tests means running it, under Wine: at test time, not at build time.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# Debian packages no GoogleTest for Windows: its sources are built with the tests.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
