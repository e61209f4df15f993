# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the program with its launcher, icons, AppStream metainfo and manual page where the
# freedesktop and Debian conventions want them, and describes the Debian package CPack builds
# from that install tree. A Windows build makes an installer instead (WindowsPackaging.cmake).

# The program's reverse-DNS id: the launcher and the metainfo are named after it.
set(TALLIVANT_APP_ID org.tallivant.Tallivant)
set(TALLIVANT_HOMEPAGE "https://tallivant.org/")
set(TALLIVANT_MAINTAINER "The Tallivant developers <developers@tallivant.org>")

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
  return()
endif()

include(GNUInstallDirs)

# The release date of this version, as the changelog gives it (RFC 2822, noon UTC).
execute_process(COMMAND date -u -R -d "${TALLIVANT_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TALLIVANT_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE date_result)
if(NOT date_result EQUAL 0)
  set(TALLIVANT_RELEASE_DATE_RFC2822 "${TALLIVANT_RELEASE_DATE}")
endif()

set(generated ${CMAKE_BINARY_DIR}/packaging)
configure_file(packaging/${TALLIVANT_APP_ID}.metainfo.xml.in
               ${generated}/${TALLIVANT_APP_ID}.metainfo.xml @ONLY)
configure_file(packaging/copyright.in ${generated}/copyright @ONLY)
configure_file(packaging/changelog.in ${generated}/changelog @ONLY)
configure_file(packaging/tallivant.1.in ${generated}/tallivant.1 @ONLY)

# Debian wants the manual page and the changelog compressed to the utmost and without a time
# stamp (gzip -9n), so that the same sources give the same package.
find_program(TALLIVANT_GZIP gzip)
set(man_page ${generated}/tallivant.1)
set(changelog ${generated}/changelog)
if(TALLIVANT_GZIP)
  foreach(file tallivant.1 changelog)
    add_custom_command(
      OUTPUT ${generated}/compressed/${file}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${generated}/${file} ${generated}/compressed/${file}
      COMMAND ${TALLIVANT_GZIP} -9nf ${generated}/compressed/${file}
      DEPENDS ${generated}/${file}
      VERBATIM)
  endforeach()
  add_custom_target(compressed_docs ALL
    DEPENDS ${generated}/compressed/tallivant.1.gz ${generated}/compressed/changelog.gz)
  set(man_page ${generated}/compressed/tallivant.1.gz)
  set(changelog ${generated}/compressed/changelog.gz)
endif()

install(TARGETS tallivant RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${TALLIVANT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${TALLIVANT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/tallivant.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/tallivant-256.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
        RENAME tallivant.png)
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallivant)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallivant)
set(CPACK_PACKAGE_VENDOR "The Tallivant developers")
set(CPACK_PACKAGE_CONTACT "${TALLIVANT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TALLIVANT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TALLIVANT_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keep one basketball team's statistics during a game")
# One string, lines under 80 columns: several quoted pieces would make a list, and its ";"
# would land in the control file's description.
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program with which one scorer keeps the statistics of one\n\
basketball team: player, quarter and game lines with shooting percentages\n\
and points, foul trouble warnings, takeback, a timeout clock, game files\n\
and a printed report.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tallivant)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool for the bench, not a game.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
# The build carries debug information; the package does not need it.
set(CPACK_STRIP_FILES ON)
# The Qt libraries come from the binary's own links; the font is what the window is laid
# out with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Qt's own words (its dialogs' buttons) in the scorer's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
