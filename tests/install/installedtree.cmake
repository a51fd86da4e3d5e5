# cmake -DBUILD_DIR=... -DWORK_DIR=... -P installedtree.cmake
# Installs the build into WORK_DIR/prefix and runs the installed kelvo-tool and plug-in there
# with KELVO_DIR unset and HOME at WORK_DIR/home: they must find the delivered samples and
# dictionaries from their own folders, and read the user's copy of the private dictionary.
set(prefix "${WORK_DIR}/prefix")
set(home "${WORK_DIR}/home")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${home}")

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

# Runs the installed `program` with the arguments that follow; fails unless it exits with 0 and
# prints `expected`.
function(expect_output expected program)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=KELVO_DIR --unset=XDG_DATA_HOME "HOME=${home}"
                QT_QPA_PLATFORM=offscreen "${prefix}/${program}" ${ARGN}
        WORKING_DIRECTORY "${home}"
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(FIND "${out}" "${expected}" at)
    if(NOT result EQUAL 0 OR at EQUAL -1)
        message(FATAL_ERROR "${program} ${ARGN}: exit ${result}, wanted ${expected} in:\n${out}${err}")
    endif()
endfunction()

expect_output([[<_ID 222><house>house]] bin/kelvo-tool decode "${prefix}/share/kelvo/My Kelvos/village.png")
expect_output([["fr": {"primary": "maison"]] bin/kelvo-tool dict lookup 222)
# The plug-in, loaded by the stand-in browser beside it, finds the dictionary from its own place:
# the house's German term.
expect_output([[better.\n• Haus]] lib/kelvo/npkelvo-host "${prefix}/share/kelvo/My Kelvos/kelvo.html"
              --hover 120,150 --dump --quit)

# A private dictionary of the user's own is read instead of the delivered one.
file(WRITE "${home}/.local/share/kelvo/dictionary/kelvoDictPriv.xml"
     "<dict><DictItem id=\"9001\">lantern\n<en><en_P>lantern</en_P></en>\n</DictItem></dict>\n")
expect_output([["id": 9001, "word": "lantern"]] bin/kelvo-tool dict lookup lantern)
