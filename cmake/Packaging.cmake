# Installs the program with its launcher and icons where the freedesktop conventions want
# them, and describes the Debian package CPack builds from that install tree.
include(GNUInstallDirs)

install(TARGETS tallivant RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/tallivant.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/tallivant.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/tallivant-256.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
        RENAME tallivant.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallivant)
set(CPACK_PACKAGE_VENDOR "Tallivant developers")
set(CPACK_PACKAGE_CONTACT "Tallivant developers <tallivant@localhost>")
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
include(CPack)
