# Packs the launcher's carried archive from the program and its shipped files in BIN_DIR.
# Takes whichever of them exist (the rest are skipped) and rebuilds only when one of
# them, or the set of them, changed.
#   BIN_DIR   folder holding the program and its shipped files
#   ARCHIVE   the archive to write
#   STAGE     scratch folder for the copies that go in
#   SEVENZIP  the 7zz packer (LZMA2 with the x86 branch filter); when
#             empty, CMake's own 7z writer is used (LZMA, no filter)
#   STRIP     strip program for the debug sections of the program (optional)
cmake_minimum_required(VERSION 3.25)

set(files Tessaly Tessaly.xml NVRSpec.xml Lang_0.xml Lang_1.xml config.xml Style.css)
set(names)
foreach(n IN LISTS files)
  if(EXISTS "${BIN_DIR}/${n}" AND NOT IS_DIRECTORY "${BIN_DIR}/${n}")
    list(APPEND names "${n}")
  endif()
endforeach()
file(GLOB extra LIST_DIRECTORIES false RELATIVE "${BIN_DIR}" "${BIN_DIR}/*.qm" "${BIN_DIR}/*.pdf")
list(SORT extra)
list(APPEND names ${extra})
set(inputs ${names})
if(IS_DIRECTORY "${BIN_DIR}/Skin")
  list(APPEND names Skin)
  file(GLOB_RECURSE skin LIST_DIRECTORIES false RELATIVE "${BIN_DIR}" "${BIN_DIR}/Skin/*")
  list(SORT skin)
  list(APPEND inputs ${skin})
endif()

# Up to date when the same inputs went in and none is newer than the archive.
set(manifest "${ARCHIVE}.inputs")
string(REPLACE ";" "\n" wanted "${SEVENZIP}\n${inputs}")
set(stale TRUE)
if(EXISTS "${ARCHIVE}" AND EXISTS "${manifest}")
  file(READ "${manifest}" had)
  if(had STREQUAL wanted)
    set(stale FALSE)
    foreach(f IN LISTS inputs)
      if(NOT "${ARCHIVE}" IS_NEWER_THAN "${BIN_DIR}/${f}")
        set(stale TRUE)
        break()
      endif()
    endforeach()
  endif()
endif()
if(NOT stale)
  return()
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
if(SEVENZIP)
  execute_process(COMMAND "${SEVENZIP}" a -t7z -m0=lzma2 -mf=BCJ -mmt=2 -bd -bso0 -bsp0 "${tmp}" -- ${names}
    WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE rc)
else()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${tmp}" --format=7zip -- ${names}
    WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE rc)
endif()
if(NOT rc EQUAL 0 OR NOT EXISTS "${tmp}")
  message(FATAL_ERROR "packing ${ARCHIVE} failed")
endif()
file(RENAME "${tmp}" "${ARCHIVE}")
file(WRITE "${manifest}" "${wanted}")
list(LENGTH inputs count)
message(STATUS "Packed ${count} files into ${ARCHIVE}")
