# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer (CPack's NSIS generator): the program, the Qt DLLs and plugins it loads
# and no others, the MinGW runtime, a Start-menu shortcut with the icon, an uninstaller, and
# the licence page. Everything sits in one folder, where Qt looks for its plugins first.
install(TARGETS tallivant RUNTIME DESTINATION .)

get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)
foreach(module Core Gui Widgets PrintSupport)
  install(FILES ${qt_bin}/Qt6${module}.dll DESTINATION .)
endforeach()
# The window system and the native look (Windows printing is part of Qt6PrintSupport itself).
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${TALLIVANT_MINGW_RUNTIME} DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
# Qt's own words in the program's languages (its dialogs' buttons), from Debian's Qt of the same
# version as the cross-built one; Tallivant's own are inside the program.
foreach(language de fr es it)
  install(FILES /usr/share/qt6/translations/qtbase_${language}.qm DESTINATION translations)
endforeach()

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Tallivant)
set(CPACK_PACKAGE_VENDOR "The Tallivant developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keep one basketball team's statistics during a game")
set(CPACK_PACKAGE_FILE_NAME "Tallivant-${PROJECT_VERSION}-setup")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tallivant)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tallivant)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_EXECUTABLES Tallivant Tallivant)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_PACKAGE_NAME Tallivant)
set(CPACK_NSIS_DISPLAY_NAME Tallivant)
set(CPACK_NSIS_URL_INFO_ABOUT "${TALLIVANT_HOMEPAGE}")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/tallivant.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/packaging/tallivant.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME Tallivant.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer for a 64-bit program, into "Program Files" rather than its (x86) twin.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
include(CPack)
