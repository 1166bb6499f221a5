# The secondary windows of corrinom.exe: the operator seam with the system's boxes,
# the field chooser, the help window, the change list and the similarity review. Included by
# app-win32/CMakeLists.txt, which adds ${CORRINOM_FENETRES_ANNEXES_SOURCES} to the
# program; CORRINOM_CONVERT (ImageMagick) must be found before. The guide is
# converted to RTF and the print button's picture to an icon at build time; both go
# into fenetres_annexes.rc, which the program's own script #includes (windres
# numbers each script's icon images from 1, so two scripts linked together would
# clash): it defines only identifiers 200 to 299 and includes nothing the
# program's script defines.
get_filename_component(_annexes_racine ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(CORRINOM_ANNEXES_DIR ${CMAKE_CURRENT_BINARY_DIR}/annexes)
set(_annexes_images ${_annexes_racine}/resources/images)
set(_annexes_guide ${_annexes_racine}/resources/aide/aide.htm)

add_custom_command(
  OUTPUT ${CORRINOM_ANNEXES_DIR}/aide.rtf
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORRINOM_ANNEXES_DIR}
  COMMAND ${CMAKE_COMMAND} -DENTREE=${_annexes_guide} -DSORTIE=${CORRINOM_ANNEXES_DIR}/aide.rtf
          -P ${CMAKE_CURRENT_LIST_DIR}/aide_rtf.cmake
  DEPENDS ${_annexes_guide} ${CMAKE_CURRENT_LIST_DIR}/aide_rtf.cmake
  VERBATIM)
add_custom_command(
  OUTPUT ${CORRINOM_ANNEXES_DIR}/imprimer.ico
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORRINOM_ANNEXES_DIR}
  COMMAND ${CORRINOM_CONVERT} ${_annexes_images}/imprimer.png ${_annexes_images}/imprimer@2x.png
          ${CORRINOM_ANNEXES_DIR}/imprimer.ico
  DEPENDS ${_annexes_images}/imprimer.png ${_annexes_images}/imprimer@2x.png
  VERBATIM)

configure_file(${CMAKE_CURRENT_LIST_DIR}/fenetres_annexes.rc.in ${CORRINOM_ANNEXES_DIR}/fenetres_annexes.rc @ONLY)
set_source_files_properties(${CORRINOM_ANNEXES_DIR}/fenetres_annexes.rc PROPERTIES
  OBJECT_DEPENDS "${CORRINOM_ANNEXES_DIR}/aide.rtf;${CORRINOM_ANNEXES_DIR}/imprimer.ico;${CMAKE_CURRENT_LIST_DIR}/ressources_annexes.h")

# The generated files are listed too, so that the program's target runs their commands.
set(CORRINOM_FENETRES_ANNEXES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/outils_annexes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogues_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_cherche_champ.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_aide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_changements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_ressemblance.cpp
  ${CORRINOM_ANNEXES_DIR}/fenetres_annexes.rc
  ${CORRINOM_ANNEXES_DIR}/aide.rtf
  ${CORRINOM_ANNEXES_DIR}/imprimer.ico)
