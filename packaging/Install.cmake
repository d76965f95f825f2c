# Installation of the program and its desktop integration, and the Debian package (CPack DEB).
# The program recognises an installed copy by <prefix>/bin/tallox beside <prefix>/share/tallox
# (src/app/ProgramFolder.cpp): keep these two destinations together.
include(GNUInstallDirs)

install(TARGETS tallox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/dist/Tallox_Hist.txt ${PROJECT_SOURCE_DIR}/dist/Tallox_Info.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tallox)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tallox.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tallox.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tallox.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# --- the Debian package --------------------------------------------------------------------
# The libraries the program links come in through dpkg-shlibdeps; Depends adds the platform
# plugins (without them Qt cannot open a window), Recommends what the program looks for at run
# time: the tool-bar icons, Polish texts of Qt's dialogs, fonts with Polish letters.
# The desktop, MIME and icon caches are refreshed by the triggers of the packages that own them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallox)
set(CPACK_PACKAGE_VENDOR "Pracownia Fizyczna")
set(CPACK_PACKAGE_CONTACT "Tallox <tallox@example.edu.pl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "working up physics lab measurements with uncertainties")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tallox <tallox@example.edu.pl>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tallox.example.edu.pl/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tango-icon-theme, qt6-translations-l10n, fonts-dejavu-core")
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; CPack indents these lines and writes an
# empty one as " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tallox is the program with which students of a physics teaching laboratory
work up their measurements: a worksheet of measured values (typed in or
loaded from .tlx, Excel (.xls, .xlsx), OpenDocument (.ods), CSV and
tab-separated text files), charts of one column
against another with uncertainty boxes, means and weighted means, the
planning of a series of measurements, straight-line fits (also weighted and
by the graphical method), linearization of data and a PDF lab report.

The user interface is in Polish.")
include(CPack)
