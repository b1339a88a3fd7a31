# Packs the launcher's carried archive from the program and its shipped files in BIN_DIR.
# Takes whichever of them exist (the rest are skipped) and packs them every time it runs: the
# build runs it only when one of them is newer than the archive.
#   BIN_DIR   folder holding the program and its shipped files
#   FILES     the program and the shipped files beside it, separated by "|"
#   SKIN_LIST file naming the skin pictures under BIN_DIR/Skin, one a line
#   ARCHIVE   the archive to write
#   STAGE     scratch folder for the copies that go in
#   SEVENZIP  the 7zz packer (LZMA2 with the x86 branch filter)
#   STRIP     strip program for the debug sections of the program (optional)
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" files "${FILES}")
set(names)
foreach(n IN LISTS files)
  if(EXISTS "${BIN_DIR}/${n}" AND NOT IS_DIRECTORY "${BIN_DIR}/${n}")
    list(APPEND names "${n}")
  endif()
endforeach()
set(inputs ${names})
if(EXISTS "${SKIN_LIST}")
  file(STRINGS "${SKIN_LIST}" pictures)
  set(skin)
  foreach(p IN LISTS pictures)
    if(EXISTS "${BIN_DIR}/Skin/${p}")
      list(APPEND skin "Skin/${p}")
    endif()
  endforeach()
  if(skin)
    list(SORT skin)
    list(APPEND names Skin)
    list(APPEND inputs ${skin})
  endif()
endif()

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
foreach(n IN LISTS names)
  file(COPY "${BIN_DIR}/${n}" DESTINATION "${STAGE}")
endforeach()
if(STRIP AND EXISTS "${STAGE}/Tessaly")
  execute_process(COMMAND "${STRIP}" --strip-debug "${STAGE}/Tessaly" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "strip failed on ${STAGE}/Tessaly")
  endif()
endif()

# Item names are kept as UTF-8.
set(ENV{LC_ALL} C.UTF-8)
set(tmp "${ARCHIVE}.tmp")
file(REMOVE "${tmp}")
execute_process(COMMAND "${SEVENZIP}" a -t7z -m0=lzma2 -mf=BCJ -mmt=2 -bd -bso0 -bsp0 "${tmp}" -- ${names}
  WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS "${tmp}")
  message(FATAL_ERROR "packing ${ARCHIVE} failed")
endif()
file(RENAME "${tmp}" "${ARCHIVE}")
list(LENGTH inputs count)
message(STATUS "Packed ${count} files into ${ARCHIVE}")
