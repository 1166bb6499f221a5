# Installation and the Debian package: the two programs, their manual pages, the
# shell completion, the desktop entry and the icon in their usual places, and a
# .deb whose dependencies are the Debian packages the programs load at run time.
# Its programs are stripped; their debug symbols go to corrinom-dbgsym.
include(GNUInstallDirs)

set(CPACK_PACKAGE_CONTACT "Corrinom <corrinom@corrinom.invalid>")

if(NOT WIN32)
  # The manual pages, made from the programs' own --help at build time.
  find_program(CORRINOM_GZIP gzip REQUIRED)
  set(_man ${CMAKE_CURRENT_BINARY_DIR}/man)
  set(_pages)
  set(_programmes corrinom-cli)
  if(CORRINOM_BUILD_APP)
    list(APPEND _programmes corrinom)
  endif()
  foreach(programme IN LISTS _programmes)
    add_custom_command(
      OUTPUT ${_man}/${programme}.1.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_man}
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
              sh ${CMAKE_CURRENT_SOURCE_DIR}/cmake/page_manuel.sh $<TARGET_FILE:${programme}>
              ${CMAKE_CURRENT_SOURCE_DIR}/resources/man/${programme}.1.in ${PROJECT_VERSION} ${_man}/${programme}.1
      COMMAND ${CORRINOM_GZIP} -9nf ${_man}/${programme}.1
      DEPENDS ${programme} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/page_manuel.sh
              ${CMAKE_CURRENT_SOURCE_DIR}/resources/man/${programme}.1.in
      VERBATIM)
    list(APPEND _pages ${_man}/${programme}.1.gz)
  endforeach()
  # Debian's changelog of the package, compressed as its policy asks.
  set(VERSION ${PROJECT_VERSION})
  set(CONTACT ${CPACK_PACKAGE_CONTACT})
  configure_file(resources/debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog @ONLY)
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
    COMMAND ${CORRINOM_GZIP} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
    VERBATIM)
  add_custom_target(corrinom_paquet_fichiers ALL DEPENDS ${_pages} ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)

  install(FILES ${_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES resources/completion/corrinom-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
  install(FILES resources/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corrinom)
endif()

if(CORRINOM_BUILD_APP)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/corrinom.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/images/corrinom.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "corrinom")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Corrige les noms et prénoms des comptes TAVO d'un réseau scolaire")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Corrinom liste les comptes TAVO d'un serveur scolaire, lit un export Sconet\n"
    "ou un fichier texte délimité, rapproche les personnes des comptes et écrit\n"
    "les noms corrigés, pour que le prochain import de TAVO reconnaisse les mêmes\n"
    "personnes.")
set(CPACK_DEBIAN_PACKAGE_SECTION "admin")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The programs' debug symbols go to corrinom-dbgsym (a .ddeb), found by build id,
# and the programs in the .deb are stripped. (CPACK_STRIP_FILES would strip them
# before the symbols are taken out.)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/deb_dbgsym.cmake)
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
