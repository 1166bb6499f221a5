# The system's account store for this platform, added to corrinom_accounts:
# Netapi32/Advapi32 on Windows, Samba's libnetapi (loaded at run time) on Linux.
# Sets CORRINOM_MAGASIN_SYSTEME_FOURNI (and, on Windows, CORRINOM_SECURITE_SYSTEME_FOURNIE
# and CORRINOM_PLATEFORME_SYSTEME_FOURNIE) so that the placeholder store, the
# portable security and the default platform are left out.
set(_corrinom_plateforme_dir ${CMAKE_CURRENT_LIST_DIR})

if(WIN32)
  target_sources(corrinom_accounts PRIVATE
    ${_corrinom_plateforme_dir}/win32_store.cpp
    ${_corrinom_plateforme_dir}/win32_demarrage.cpp)
  set(CORRINOM_MAGASIN_SYSTEME_FOURNI ON)
  set(CORRINOM_PLATEFORME_SYSTEME_FOURNIE ON)  # PlateformeCourante is in win32_demarrage.cpp
  target_sources(corrinom_accounts PRIVATE ${_corrinom_plateforme_dir}/../security/win32_securite.cpp)
  set(CORRINOM_SECURITE_SYSTEME_FOURNIE ON)
  # The account calls are ordinary imports of Netapi32; NetGetDCName is resolved
  # at run time from the copy in the system directory.
  target_link_libraries(corrinom_accounts PUBLIC netapi32 advapi32)
  target_compile_definitions(corrinom_accounts PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
else()
  find_package(PkgConfig QUIET)
  set(_corrinom_netapi_includes "")
  if(PkgConfig_FOUND)
    pkg_check_modules(CORRINOM_NETAPI QUIET netapi)
    if(CORRINOM_NETAPI_FOUND)
      set(_corrinom_netapi_includes ${CORRINOM_NETAPI_INCLUDE_DIRS})
    endif()
  endif()
  find_path(CORRINOM_NETAPI_HEADER_DIR samba-4.0/netapi.h)
  if(CORRINOM_NETAPI_HEADER_DIR)
    target_sources(corrinom_accounts PRIVATE
      ${_corrinom_plateforme_dir}/samba_store.cpp
      ${_corrinom_plateforme_dir}/samba_systeme.cpp)
    # Only the header is used at build time: libnetapi itself is dlopen'ed, so
    # the program starts where Samba is missing.
    target_include_directories(corrinom_accounts SYSTEM PRIVATE
      ${CORRINOM_NETAPI_HEADER_DIR} ${_corrinom_netapi_includes})
    target_link_libraries(corrinom_accounts PUBLIC ${CMAKE_DL_LIBS})
    set(CORRINOM_MAGASIN_SYSTEME_FOURNI ON)
    set_property(GLOBAL PROPERTY CORRINOM_MAGASIN_SAMBA ON)
  endif()
endif()
