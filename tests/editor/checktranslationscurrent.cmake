# Refreshes a copy of each translation file from the sources with lupdate and runs the
# translation test's completeness check on the copy: a text added to the sources but never
# translated shows up there as unfinished.
#   cmake -DLUPDATE=... -DLUPDATE_OPTIONS=a|b -DSOURCE_LIST=... -DTS_FILES=x.ts|y.ts
#         -DCOPY_DIR=... -DTEST=... -P <this file>
string(REPLACE "|" ";" options "${LUPDATE_OPTIONS}")
string(REPLACE "|" ";" ts_files "${TS_FILES}")
file(MAKE_DIRECTORY "${COPY_DIR}")
set(stale)
foreach(ts IN LISTS ts_files)
    get_filename_component(name "${ts}" NAME)
    set(copy "${COPY_DIR}/${name}")
    file(COPY_FILE "${ts}" "${copy}")
    execute_process(COMMAND "${LUPDATE}" ${options} -silent "@${SOURCE_LIST}" -ts "${copy}"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}: ${result}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env "KELVO_TS_FILE=${copy}" "${TEST}"
                            everyMessageTranslated
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        list(APPEND stale "${name}")
    endif()
endforeach()
if(stale)
    message(FATAL_ERROR "These files lack texts of the sources: ${stale}")
endif()
