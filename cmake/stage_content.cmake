# cmake -DSOURCE=... -DTARGET=... -DCHIME=... -DICONS=... -DVERSION=... -P stage_content.cmake
# Lays out the installed tree at TARGET anew and writes its version stamp: the program version
# and a hash over every file's path and content, so any change of the content changes the stamp.
file(REMOVE_RECURSE "${TARGET}")
file(COPY "${SOURCE}/" DESTINATION "${TARGET}")
foreach(folder
    "Dos" "Egenskaber" "scripts" "Programfiler" "Window applets" "Ikoner" "Lydfiler"
    "Stifinder/tekstfiler/Billeder" "Stifinder/tekstfiler/Design og funktioner")
  file(MAKE_DIRECTORY "${TARGET}/${folder}")
endforeach()
execute_process(COMMAND "${CHIME}" "${TARGET}/Lydfiler/Musik06.wav" RESULT_VARIABLE chimeResult)
if(NOT chimeResult EQUAL 0)
  message(FATAL_ERROR "The notification sound could not be made")
endif()
execute_process(COMMAND "${ICONS}" "${TARGET}/Ikoner" RESULT_VARIABLE iconsResult)
if(NOT iconsResult EQUAL 0)
  message(FATAL_ERROR "The icons could not be made")
endif()

file(GLOB_RECURSE files RELATIVE "${TARGET}" "${TARGET}/*")
list(SORT files)
set(summary "${VERSION}")
foreach(file IN LISTS files)
  file(SHA256 "${TARGET}/${file}" hash)
  string(APPEND summary "\n${file} ${hash}")
endforeach()
string(SHA256 stamp "${summary}")
file(WRITE "${TARGET}/versionsstempel.txt" "${VERSION}-${stamp}\r\n")
