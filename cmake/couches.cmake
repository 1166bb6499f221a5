# The library graph, in one place: each library (its folder) and the libraries
# it builds on directly, bottom to top. A library may include the headers of
# the libraries below it (directly or through others) and of none above; the
# build links each library to those it names here, and the `couches` test
# refuses an include that points upward. docs/architecture.md draws this graph.
#
# A new library is one new line, above what it uses.
set(CORRINOM_COUCHES
  "text:"
  "operator:text"
  "xml:text"
  "accounts:text"
  "reconcile:text,operator"
  "session:accounts,reconcile"
  "import:xml,reconcile"
  "window:session,import"
  "cli:window,xml"
  "app:window"
  "app-win32:window")

# The folder of a library's target name: corrinom_<folder>, '-' as '_'.
function(corrinom_cible_de dossier sortie)
  string(REPLACE "-" "_" nom "${dossier}")
  set(${sortie} "corrinom_${nom}" PARENT_SCOPE)
endfunction()

# The libraries `dossier` names in the table, as a list of folders.
function(corrinom_dependances_de dossier sortie)
  set(trouve "")
  foreach(ligne IN LISTS CORRINOM_COUCHES)
    string(REPLACE ":" ";" parties "${ligne}")
    list(GET parties 0 nom)
    if(nom STREQUAL dossier)
      list(LENGTH parties n)
      if(n GREATER 1)
        list(GET parties 1 deps)
        string(REPLACE "," ";" trouve "${deps}")
      endif()
      set(${sortie} "${trouve}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "couches.cmake: no line for the library '${dossier}'")
endfunction()

# Links `cible` (the library of `dossier`) to the libraries the table names.
function(corrinom_lie_couche cible dossier)
  get_target_property(sorte ${cible} TYPE)
  set(portee PUBLIC)
  if(sorte STREQUAL "INTERFACE_LIBRARY")
    set(portee INTERFACE)  # a library of headers only
  endif()
  corrinom_dependances_de(${dossier} deps)
  foreach(dep IN LISTS deps)
    corrinom_cible_de(${dep} nom)
    target_link_libraries(${cible} ${portee} ${nom})
  endforeach()
endfunction()
