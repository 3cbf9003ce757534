# Fails when a translation has fallen behind the sources: lupdate run on the
# tree would change a .ts file, a .ts file holds a text that is unfinished or
# no longer used, or a .po file does not translate exactly the texts that
# gettext finds in the desktop entry and the metainfo.
#
# cmake -DLUPDATE=... -DLUPDATE_PROJECT=... -DLUPDATE_GENERATOR=...
#       -DLUPDATE_OPTIONS=... -DSOURCE_DIR=... -DDESKTOP_ENTRY=...
#       -DMETAINFO=... -DWORK_DIR=... -P check_translations.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(problems "")

# The .ts files: a copy of each brought up to date as the build's
# update_translations target would, then compared.
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${LUPDATE_PROJECT}.cmake -DOUT_FILE=${WORK_DIR}/project.json
                        -P ${LUPDATE_GENERATOR} COMMAND_ERROR_IS_FATAL ANY)
file(GLOB ts_files ${SOURCE_DIR}/translations/*.ts)
set(copies "")
foreach(ts IN LISTS ts_files)
    file(COPY ${ts} DESTINATION ${WORK_DIR})
    cmake_path(GET ts FILENAME name)
    list(APPEND copies ${WORK_DIR}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} -project ${WORK_DIR}/project.json ${LUPDATE_OPTIONS} -ts ${copies}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
foreach(ts IN LISTS ts_files)
    cmake_path(GET ts FILENAME name)
    file(READ ${ts} before)
    file(READ ${WORK_DIR}/${name} after)
    if(NOT before STREQUAL after)
        string(APPEND problems "lupdate changes ${name}\n")
    endif()
    if(before MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        string(APPEND problems "${name} holds a text that is ${CMAKE_MATCH_1}\n")
    endif()
endforeach()

# The .po files against what gettext extracts from the two files now.
file(COPY ${METAINFO} DESTINATION ${WORK_DIR})
cmake_path(GET METAINFO FILENAME metainfo_name)
execute_process(COMMAND xgettext -o ${WORK_DIR}/orvo.pot -L Desktop ${DESKTOP_ENTRY} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND xgettext -j -o ${WORK_DIR}/orvo.pot ${metainfo_name}
                WORKING_DIRECTORY ${WORK_DIR} COMMAND_ERROR_IS_FATAL ANY)
file(STRINGS ${SOURCE_DIR}/po/LINGUAS languages REGEX "^[^#]")
foreach(language IN LISTS languages)
    set(po ${SOURCE_DIR}/po/${language}.po)
    execute_process(COMMAND msgcmp ${po} ${WORK_DIR}/orvo.pot RESULT_VARIABLE missing ERROR_VARIABLE why)
    execute_process(COMMAND msgcmp --use-untranslated ${WORK_DIR}/orvo.pot ${po} RESULT_VARIABLE extra
                    ERROR_VARIABLE why_extra)
    if(missing OR extra)
        string(APPEND problems "${language}.po does not match the texts: ${why}${why_extra}\n")
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "${problems}")
endif()
