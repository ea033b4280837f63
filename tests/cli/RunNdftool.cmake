# Runs the ndftool executable as a user would: the command list, then new and check on files.
# Usage: cmake -DNDFTOOL=<path> -DWORK_DIR=<folder> [-DEMULATOR=<runner>] -P RunNdftool.cmake
# EMULATOR runs a cross-built ndftool (Wine for Windows); there its lines end in CR LF.

# Runs a command, fails unless it exits with expected_code, and leaves its output in `out`.
function(run expected_code)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT code STREQUAL expected_code)
        message(FATAL_ERROR "${ARGN}: exit status ${code}, expected ${expected_code}\n${output}${errors}")
    endif()
    string(REPLACE "\r\n" "\n" output "${output}")
    set(out "${output}" PARENT_SCOPE)
endfunction()

function(expect_output expected what)
    if(NOT out STREQUAL expected)
        message(FATAL_ERROR "${what} printed \"${out}\", expected \"${expected}\"")
    endif()
endfunction()

set(ndftool ${EMULATOR} "${NDFTOOL}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

run(0 ${ndftool} --help)
foreach(command check info dump build new sort import-sdx export)
    if(NOT out MATCHES "\n  ${command} ")
        message(FATAL_ERROR "ndftool --help does not list ${command}:\n${out}")
    endif()
endforeach()

run(0 ${ndftool} new "${WORK_DIR}/new.ndf")
run(0 ${ndftool} check "${WORK_DIR}/new.ndf")
expect_output("OK\n" "check of a new file")

run(6 ${ndftool} check "${WORK_DIR}/missing.ndf")
expect_output("No file found\n" "check of a missing file")

file(WRITE "${WORK_DIR}/text.ndf" "not a channel database\n")
run(9 ${ndftool} check "${WORK_DIR}/text.ndf")
expect_output("Invalid NDF format\n" "check of a text file")

# Standard input and output of the real process: a database read from "-" and written to "-".
execute_process(COMMAND ${ndftool} sort - -o - INPUT_FILE "${WORK_DIR}/new.ndf" OUTPUT_FILE "${WORK_DIR}/piped.ndf"
                RESULT_VARIABLE code ERROR_VARIABLE errors)
string(REPLACE "\r\n" "\n" errors "${errors}")
if(NOT code EQUAL 0 OR NOT errors STREQUAL "Networks were already in order.\n")
    message(FATAL_ERROR "sort - -o -: exit status ${code}\n${errors}")
endif()
run(0 ${ndftool} check "${WORK_DIR}/piped.ndf")
expect_output("OK\n" "check of a database written to standard output")

# A full disk under standard output is reported with the system's words (a native run only).
if(EXISTS /dev/full AND NOT EMULATOR)
    execute_process(COMMAND "${NDFTOOL}" new - OUTPUT_FILE /dev/full RESULT_VARIABLE code ERROR_VARIABLE errors)
    if(NOT code EQUAL 8 OR NOT errors MATCHES "standard output: Creating file failed \\(No space left on device\\)")
        message(FATAL_ERROR "new - > /dev/full: exit status ${code}\n${errors}")
    endif()
endif()
