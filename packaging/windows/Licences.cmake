# The licences of everything the Windows folder holds, into its licences\ folder (the fonts'
# beside the fonts): Qt's LGPL-3 and the GPL-3 it builds on, Qt's third-party notices and the
# note of Qt's source, from the source tools/windows/build-qt built Qt from and kept; and the
# Debian copyright files of the packages that MinGW's runtime DLLs and Qt's catalogue come from.
#   LUMORA_RUNTIME_DLLS   in: MinGW's runtime DLLs shipped (full paths)
#   LUMORA_LICENCE_FILES  out: the licence files made here, for the installer's dependencies
set(LUMORA_QT_SOURCE "${LUMORA_QT_MINGW}/source" CACHE PATH
    "Debian's qt6-base source package that Qt for MinGW was built from, and its notices/")
file(GLOB qt_dsc "${LUMORA_QT_SOURCE}/qt6-base_*.dsc")
if(NOT qt_dsc)
  message(FATAL_ERROR "No qt6-base source in '${LUMORA_QT_SOURCE}': tools/windows/build-qt keeps it")
endif()
string(REGEX REPLACE ".*/qt6-base_(.*)\\.dsc$" "\\1" LUMORA_QT_DEBIAN_VERSION "${qt_dsc}")
file(GLOB qt_source_files RELATIVE "${LUMORA_QT_SOURCE}" "${LUMORA_QT_SOURCE}/qt6-base_*")
set(LUMORA_QT_SOURCE_FILES "")
foreach(file IN LISTS qt_source_files)
  string(APPEND LUMORA_QT_SOURCE_FILES "  ${file}\n")
endforeach()

# The Debian package a file comes from, and its version.
function(lumora_debian_package file package_var version_var)
  execute_process(COMMAND dpkg-query -S "${file}" OUTPUT_VARIABLE owner RESULT_VARIABLE failed
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(failed)
    message(FATAL_ERROR "No Debian package holds ${file}")
  endif()
  string(REGEX REPLACE ":.*" "" owner "${owner}")
  execute_process(COMMAND dpkg-query -W -f=\${Version} ${owner} OUTPUT_VARIABLE version)
  set(${package_var} ${owner} PARENT_SCOPE)
  set(${version_var} ${version} PARENT_SCOPE)
endfunction()

set(licences ${CMAKE_CURRENT_BINARY_DIR}/licences)
set(copyright_files "")
foreach(file IN LISTS LUMORA_RUNTIME_DLLS LUMORA_QT_CATALOGUE)
  get_filename_component(real "${file}" REALPATH)
  lumora_debian_package("${real}" package version)
  list(APPEND copyright_files ${licences}/${package}.copyright.txt)
  configure_file(/usr/share/doc/${package}/copyright ${licences}/${package}.copyright.txt COPYONLY)
  if(file MATCHES "libstdc")
    set(LUMORA_GCC_RUNTIME_PACKAGE ${package})
  elseif(file MATCHES "winpthread")
    set(LUMORA_MINGW_PACKAGE ${package})
  elseif(file STREQUAL LUMORA_QT_CATALOGUE)
    set(LUMORA_QT_TRANSLATIONS_VERSION ${version})
  endif()
endforeach()
lumora_debian_package("${CMAKE_CXX_COMPILER}" LUMORA_GCC_PACKAGE LUMORA_GCC_VERSION)
# Snapshot's addresses escape the version's '+'.
string(REPLACE "+" "%2B" LUMORA_QT_DEBIAN_VERSION_URL "${LUMORA_QT_DEBIAN_VERSION}")
string(REPLACE "+" "%2B" LUMORA_QT_TRANSLATIONS_VERSION_URL "${LUMORA_QT_TRANSLATIONS_VERSION}")

foreach(text README Qt-source)
  configure_file(licences/${text}.txt.in ${licences}/${text}.txt @ONLY)
endforeach()
include(QtNotices.cmake)
configure_file(licences/Qt-third-party-notices.txt.in ${licences}/notices-header.txt @ONLY)
lumora_qt_notices("${LUMORA_QT_SOURCE}/notices" ${licences}/notices-header.txt
                  ${licences}/Qt-third-party-notices.txt)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${LUMORA_QT_SOURCE}/notices/LICENSES/LGPL-3.0-only.txt DESTINATION licences RENAME Qt-LGPL-3.0.txt)
install(FILES ${LUMORA_QT_SOURCE}/notices/LICENSES/GPL-3.0-only.txt DESTINATION licences RENAME GPL-3.0.txt)
list(REMOVE_DUPLICATES copyright_files)
set(LUMORA_LICENCE_FILES ${licences}/README.txt ${licences}/Qt-source.txt
    ${licences}/Qt-third-party-notices.txt ${copyright_files})
install(FILES ${LUMORA_LICENCE_FILES} DESTINATION licences)

# The fonts' licences, beside them.
set(ipa_docs /usr/share/doc/fonts-ipafont-mincho)
install(FILES ${ipa_docs}/copyright DESTINATION fonts RENAME IPAfont-License.txt)
install(FILES ${ipa_docs}/Readme_IPAfont00303.txt DESTINATION fonts)
install(FILES /usr/share/doc/fonts-liberation2/copyright DESTINATION fonts RENAME LiberationFonts-License.txt)
