# Run by CPack once the packages are made: mends the -dbgsym package of the DEB
# generator, whose md5sums name the files by their path in the build tree and
# which has no documentation folder. It is taken apart with dpkg-deb, given a true
# md5sums and, as Debian's own debug packages have, its documentation folder as a
# link to the program package's (which it depends on), and built again.
foreach(paquet IN LISTS CPACK_PACKAGE_FILES)
  if(NOT paquet MATCHES "-dbgsym_[^/]*\\.ddeb$")
    continue()
  endif()
  set(dossier ${paquet}.contenu)
  file(REMOVE_RECURSE ${dossier})
  execute_process(COMMAND dpkg-deb -R ${paquet} ${dossier} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -R ${paquet} failed")
  endif()
  file(MAKE_DIRECTORY ${dossier}/usr/share/doc)
  file(CREATE_LINK corrinom ${dossier}/usr/share/doc/corrinom-dbgsym SYMBOLIC)
  file(GLOB_RECURSE fichiers LIST_DIRECTORIES false RELATIVE ${dossier} ${dossier}/usr/lib/*)
  list(SORT fichiers)
  set(sommes "")
  foreach(f IN LISTS fichiers)
    # Symbol files are data, not programs.
    file(CHMOD ${dossier}/${f} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(MD5 ${dossier}/${f} somme)
    string(APPEND sommes "${somme}  ${f}\n")
  endforeach()
  file(WRITE ${dossier}/DEBIAN/md5sums "${sommes}")
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -b ${dossier} ${paquet}
                  OUTPUT_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -b ${paquet} failed")
  endif()
  file(REMOVE_RECURSE ${dossier})
endforeach()
