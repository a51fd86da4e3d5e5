# Refreshes a copy of a translation file from the sources with lupdate and runs the translation
# test's completeness check on the copy: a text added to the sources but never translated shows
# up there as unfinished.
#   cmake -DLUPDATE=... -DLUPDATE_ARGS=a|b|c -DTS=... -DCOPY=... -DTEST=... -P <this file>
file(COPY_FILE "${TS}" "${COPY}")
string(REPLACE "|" ";" args "${LUPDATE_ARGS}")
execute_process(COMMAND "${LUPDATE}" ${args} -silent -ts "${COPY}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env "KELVO_TS_FILE=${COPY}" "${TEST}"
                        everyMessageTranslated
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TS} lacks texts of the sources")
endif()
