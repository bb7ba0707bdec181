# Installs the build into a scratch prefix and checks that exactly the expected files arrive:
# the program, the desktop entry, the metainfo, the manual pages and an icon of the right size in
# each folder.
# cmake -D BUILD_DIR=... -D STAGE_DIR=... -D DESKTOP_ID=... -D PROGRAM=... -D BINDIR=... -D MANDIR=...
#       -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${STAGE_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE_DIR}
                OUTPUT_QUIET RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(hicolor share/icons/hicolor)
# The sizes desktops and panels look for, so that none has to scale the icon.
set(icon_sizes 16 22 24 32 48 64 128 256)
set(expected
  ${BINDIR}/${PROGRAM}
  ${MANDIR}/man6/${PROGRAM}.6
  ${MANDIR}/ja/man6/${PROGRAM}.6
  share/applications/${DESKTOP_ID}.desktop
  share/metainfo/${DESKTOP_ID}.metainfo.xml
  ${hicolor}/scalable/apps/${DESKTOP_ID}.svg)
foreach(size ${icon_sizes})
  list(APPEND expected ${hicolor}/${size}x${size}/apps/${DESKTOP_ID}.png)
endforeach()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${STAGE_DIR} ${STAGE_DIR}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed "${installed}")
  string(REPLACE ";" "\n  " expected "${expected}")
  message(FATAL_ERROR "Installed:\n  ${installed}\nExpected:\n  ${expected}")
endif()

# A PNG's width and height are the big-endian words at bytes 16 and 20.
foreach(size ${icon_sizes})
  file(READ ${STAGE_DIR}/${hicolor}/${size}x${size}/apps/${DESKTOP_ID}.png header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${header} 0 8 width)
  string(SUBSTRING ${header} 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "The ${size}x${size} icon is ${width}x${height}")
  endif()
endforeach()

# The desktop entry must name what was installed, or menus show a blank icon or launch nothing.
file(STRINGS ${STAGE_DIR}/share/applications/${DESKTOP_ID}.desktop entry)
foreach(line "Icon=${DESKTOP_ID}" "Exec=${PROGRAM}")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "The desktop entry lacks ${line}")
  endif()
endforeach()
