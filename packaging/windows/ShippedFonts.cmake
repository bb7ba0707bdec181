# The stand-ins for the Windows faces that the program carries on Windows, from the host's Debian
# packages (fonts-ipafont-*, fonts-liberation2): installed beside the program, and beside the test
# programs so that the tests draw with them too.
set(LUMORA_SHIPPED_FONTS
  /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf
  /usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf
  /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
  /usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf
  /usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf)
foreach(font IN LISTS LUMORA_SHIPPED_FONTS)
  if(NOT EXISTS ${font})
    message(FATAL_ERROR "${font} is missing: tools/windows/gate installs the fonts")
  endif()
endforeach()
