cmake_minimum_required(VERSION 3.25)

# Writes the uninstaller's list of what the installer put in place, so that it removes exactly
# those files and then the folders they leave empty, and nothing a player put beside them.
# cmake -D STAGE=<installed folder> -D OUTPUT=<.nsh file> -P UninstallList.cmake
file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE ${STAGE} ${STAGE}/*)
list(REMOVE_ITEM folders ${files})
# The deepest folders first, so that each is empty when its turn comes.
list(SORT folders ORDER DESCENDING)

set(lines "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND lines "  Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" folder "${folder}")
  string(APPEND lines "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE ${OUTPUT} "${lines}")
