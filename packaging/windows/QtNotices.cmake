# Qt's notices for the third-party code inside the Qt DLLs the program ships, from Qt's own list:
# the qt_attribution.json files of the source this Qt was built from (tools/windows/build-qt keeps
# them, with the licence files they name, in the Qt prefix's source/notices). Every entry of that
# list is either shipped or left out below, for a reason, so that a new Qt's new entry stops the
# build until someone decides.
#   lumora_qt_notices(NOTICES HEADER OUTPUT)  writes HEADER's text, then each shipped entry with its
#                                            licence texts

# Compiled into Qt6Core, Qt6Gui, Qt6Widgets or the windows and windowsvista plugins by this build
# (zlib, libpng, FreeType, HarfBuzz, PCRE2 and double-conversion bundled), in that order.
set(LUMORA_QT_SHIPPED_NOTICES
  # Qt Core
  zlib doubleconversion pcre2 pcre2-sljit unicode-character-database unicode-cldr siphash tinycbor
  easing blake2 md4 md5 sha1 sha3_endian sha3_keccak rfc6234
  # Qt GUI
  freetype freetype-zlib freetype-bdf freetype-pcf grayraster harfbuzz-ng libpng
  smooth-scaling-algorithm xserverhelper webgradients aglfn icc-sRGB-color-profile)
set(LUMORA_QT_LEFT_OUT_NOTICES
  # Only in the qjpeg image plugin, which this build leaves out (the program's pictures are PNG).
  libjpeg
  # OpenGL, Vulkan and Markdown are off in this build (tools/windows/build-qt): the program draws
  # with the raster engine and shows no Markdown.
  opengl-headers opengl-es2-headers vulkan-xml-spec VulkanMemoryAllocator md4c
  # Modules not built or not shipped: D-Bus, Network, Test.
  libdbus-1-headers psl libpsl catch2 cycle linuxperf valgrind
  # Other platforms only: Unix, macOS, Android, WebAssembly, X11, ARM NEON.
  forkfd qeventdispatcher_cf cocoa-platform-plugin android-native-style android-gradle-wrapper
  vera_font dejayvu xcb-xinput pixman
  # Used by the build only.
  extra-cmake-modules kwin)

# Remembers one attribution entry (a JSON object) found in the folder of its file.
function(lumora_qt_notice_entry entry folder)
  string(JSON id GET "${entry}" Id)
  if(NOT id IN_LIST LUMORA_QT_SHIPPED_NOTICES AND NOT id IN_LIST LUMORA_QT_LEFT_OUT_NOTICES)
    message(FATAL_ERROR "Qt's attribution '${id}' (${folder}) is neither shipped nor left out: "
                        "decide in packaging/windows/QtNotices.cmake")
  endif()
  set(entry_${id} "${entry}" PARENT_SCOPE)
  set(folder_${id} "${folder}" PARENT_SCOPE)
endfunction()

function(lumora_qt_notices notices header output)
  file(GLOB_RECURSE attribution_files "${notices}/*/qt_attribution.json")
  if(NOT attribution_files)
    message(FATAL_ERROR "No qt_attribution.json under ${notices}: run tools/windows/build-qt")
  endif()
  foreach(json_file IN LISTS attribution_files)
    file(READ "${json_file}" json)
    get_filename_component(folder "${json_file}" DIRECTORY)
    string(JSON type TYPE "${json}")
    if(type STREQUAL "ARRAY")  # a list of entries, else one
      string(JSON count LENGTH "${json}")
      math(EXPR last "${count} - 1")
      foreach(index RANGE ${last})
        string(JSON entry GET "${json}" ${index})
        lumora_qt_notice_entry("${entry}" "${folder}")
      endforeach()
    else()
      lumora_qt_notice_entry("${json}" "${folder}")
    endif()
  endforeach()

  file(READ "${header}" text)
  foreach(id IN LISTS LUMORA_QT_SHIPPED_NOTICES)
    if(NOT DEFINED entry_${id})
      message(FATAL_ERROR "Qt's attribution '${id}' is missing from ${notices}")
    endif()
    string(APPEND text "\n================================================================================\n")
    foreach(field Name Version QtUsage Homepage License Copyright)
      string(JSON value ERROR_VARIABLE missing GET "${entry_${id}}" ${field})
      if(NOT missing)
        string(APPEND text "${field}: ${value}\n")
      endif()
    endforeach()
    # "LicenseFile": "name" or "LicenseFiles": ["name", ...]; public-domain entries have none.
    string(JSON licence_files ERROR_VARIABLE missing GET "${entry_${id}}" LicenseFiles)
    if(missing)
      string(JSON licence_files ERROR_VARIABLE missing GET "${entry_${id}}" LicenseFile)
      if(missing)
        set(licence_files "")
      endif()
    else()
      string(REGEX REPLACE "[][\"\n ]" "" licence_files "${licence_files}")
      string(REPLACE "," ";" licence_files "${licence_files}")
    endif()
    foreach(licence_file IN LISTS licence_files)
      file(READ "${folder_${id}}/${licence_file}" licence)
      string(APPEND text "\n${licence}\n")
    endforeach()
  endforeach()
  # CRLF, for Windows' own editors.
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${output}.new" "${text}")
  file(COPY_FILE "${output}.new" "${output}" ONLY_IF_DIFFERENT)
  file(REMOVE "${output}.new")
endfunction()
