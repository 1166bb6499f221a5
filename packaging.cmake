# Installation and the Debian package: the two programs, the desktop entry and the
# icon in their usual places, and a .deb whose dependencies are the Debian packages
# the programs load at run time.
include(GNUInstallDirs)

if(CORRINOM_BUILD_APP)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/corrinom.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/images/corrinom.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "corrinom")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Corrinom <corrinom@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Corrige les noms et prénoms des comptes TAVO d'un réseau scolaire")
set(CPACK_PACKAGE_DESCRIPTION
    "Corrinom lists the TAVO accounts of a school server, reads a Sconet export or a delimited text file, pairs the persons with the accounts and writes the corrected names back, so that TAVO's next import recognises the same persons.")
set(CPACK_DEBIAN_PACKAGE_SECTION "admin")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps finds the libraries the two programs link (Qt, SQLite, the C++
# runtime); Samba's libnetapi is loaded at run time only when the system's store is
# used, so it is a recommendation rather than a dependency, as are Qt's French
# translations of its own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "samba-libs, qt6-translations-l10n, fonts-liberation2")
if(CORRINOM_BUILD_APP)
  # The Qt platform plugins are a separate package that no library dependency names.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)
