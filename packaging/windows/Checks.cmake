# What the Windows build hands out, checked as files and as a player's Windows meets them (label
# artefacts; the windows gate builds the installer first):
#  - lumora.exe's manifest: the player's own rights, Windows 10/11, per-monitor (v2) DPI awareness
#    with per-monitor as the fallback;
#  - the version resources of the program and the installer;
#  - the zip holds the program, Qt, MinGW's runtime, Qt's catalogue, the fonts and the licences;
#  - packed again with a throwaway certificate, the program, the installer and what it installs
#    carry signatures that osslsigncode verifies;
#  - the installer under Wine, for the player and for every user (tools/windows/check-installer).
set(checks ${PROJECT_BINARY_DIR}/checks)
set(signed ${checks}/signed)
file(MAKE_DIRECTORY ${signed})
set(windows_tools ${PROJECT_SOURCE_DIR}/tools/windows)

# lumora_check(NAME [PASS text] [FAIL regex...] [SETUP fixture] [NEEDS fixture...] COMMAND ...):
# one check, run in the checks folder; PASS is a text its output must hold as it stands.
function(lumora_check name)
  cmake_parse_arguments(C "" "PASS;SETUP" "FAIL;NEEDS;COMMAND" ${ARGN})
  add_test(NAME ${name} COMMAND ${C_COMMAND} WORKING_DIRECTORY ${checks})
  set_tests_properties(${name} PROPERTIES LABELS artefacts TIMEOUT 900 FIXTURES_SETUP "${C_SETUP}"
    FIXTURES_REQUIRED "${C_NEEDS}" FAIL_REGULAR_EXPRESSION "${C_FAIL}"
    ENVIRONMENT "WINEPREFIX=${signed}/wine;LC_ALL=C.UTF-8")
  if(DEFINED C_PASS)
    string(REGEX REPLACE "[][.*+?()^$|\\]" "\\\\\\0" pattern "${C_PASS}")
    set_tests_properties(${name} PROPERTIES PASS_REGULAR_EXPRESSION "${pattern}")
  endif()
endfunction()
# Splits NAME=VALUE into what and value.
macro(lumora_split pair)
  string(REGEX MATCH "^([^=]*)=(.*)$" lumora_split_whole "${pair}")
  set(what ${CMAKE_MATCH_1})
  set(value "${CMAKE_MATCH_2}")
endmacro()

foreach(check
    "asInvoker=<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"
    "windows10=<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"
    "permonitorv2=<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2</dpiAwareness>"
    "permonitor=<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>")
  lumora_split("${check}")
  lumora_check(manifest_${what} PASS "${value}" COMMAND wrestool -x --raw -t 24 $<TARGET_FILE:lumora>)
endforeach()

# windres writes each resource as a resource script would give it.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE copyright REGEX "^Copyright " LIMIT_COUNT 1)
set(file_version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.${PROJECT_VERSION_PATCH})
foreach(file program=$<TARGET_FILE:lumora> installer=${LUMORA_INSTALLER})
  lumora_split("${file}")
  set(file ${value})
  set(kind ${what})
  foreach(pair "CompanyName=Lumora developers" "LegalCopyright=${copyright}" "FileVersion=${file_version}"
      "ProductVersion=${file_version}")
    lumora_split("${pair}")
    lumora_check(version_${kind}_${what} PASS "VALUE \"${what}\", \"${value}\"\n"
      COMMAND ${CMAKE_RC_COMPILER} -i ${file} -O rc)
  endforeach()
endforeach()

# zipinfo tells of a name it does not find, and lists each file's size.
set(shipped lumora.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll
  styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll qt.conf
  qtbase_ja.qm fonts/ipam.ttf fonts/IPAfont-License.txt fonts/LiberationFonts-License.txt
  LICENSE.txt licences/README.txt licences/Qt-LGPL-3.0.txt licences/GPL-3.0.txt
  licences/Qt-third-party-notices.txt licences/Qt-source.txt
  licences/gcc-mingw-w64-x86-64-posix-runtime.copyright.txt licences/mingw-w64-x86-64-dev.copyright.txt
  licences/qt6-translations-l10n.copyright.txt)
list(TRANSFORM shipped PREPEND Lumora/)
lumora_check(zip_contents FAIL "not matched" " unx +0 " COMMAND zipinfo ${LUMORA_ZIP} ${shipped})

# Signed: a certificate for a day, the installed folder packed again with it, installed in a
# prefix of its own.
lumora_check(signing_certificate SETUP certificate
  COMMAND openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Lumora test signing"
    -addext extendedKeyUsage=codeSigning -keyout ${signed}/key.pem -out ${signed}/cert.pem)
lumora_check(signed_pack SETUP signed NEEDS certificate
  COMMAND ${CMAKE_COMMAND} -E env LUMORA_SIGN_CERT=${signed}/cert.pem LUMORA_SIGN_KEY=${signed}/key.pem
    ${CMAKE_CURRENT_SOURCE_DIR}/pack --install ${PROJECT_BINARY_DIR} ${signed}/Lumora
    ${CMAKE_CURRENT_BINARY_DIR}/lumora.nsi ${signed}/setup.exe ${signed}/lumora.zip)
lumora_check(signed_prefix SETUP signed_prefix COMMAND ${windows_tools}/prefix ${signed}/wine)
lumora_check(signed_install SETUP signed_installed NEEDS signed signed_prefix
  COMMAND wine ${signed}/setup.exe /S /D=C:\\Signed)
lumora_check(signed_unzip SETUP signed_unzipped NEEDS signed
  COMMAND unzip -o -q ${signed}/lumora.zip Lumora/lumora.exe -d ${signed}/unzipped)
set(installed ${signed}/wine/drive_c/Signed)
foreach(file zip=${signed}/unzipped/Lumora/lumora.exe installer=${signed}/setup.exe
    installed=${installed}/lumora.exe uninstaller=${installed}/uninstall.exe)
  lumora_split("${file}")
  lumora_check(signature_${what} NEEDS signed_installed signed_unzipped
    COMMAND osslsigncode verify -CAfile ${signed}/cert.pem -in ${value})
endforeach()

lumora_check(installer COMMAND ${windows_tools}/check-installer
  ${PROJECT_VERSION} ${LUMORA_INSTALLER} ${LUMORA_ZIP})
