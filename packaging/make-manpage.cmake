# Writes vantir-cli's manual page from its own help, so that the page cannot
# drift from the tool: help2man over the main help, the help of each further
# command as a section of its own, then the examples.
# Arguments: CLI, HELP2MAN, EXAMPLES, PAGE (the .1 file to write).
set(include "${PAGE}.h2m")
file(WRITE "${include}" "")
foreach(command decode table wave plan)
    execute_process(COMMAND "${CLI}" ${command} --help OUTPUT_VARIABLE help
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${CLI} ${command} --help failed: ${result}")
    endif()
    string(TOUPPER "${command}" title)
    string(REPLACE "\\" "\\e" help "${help}")
    string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" help "${help}")
    file(APPEND "${include}" "[COMMAND ${title}]\n.nf\n${help}.fi\n\n")
endforeach()
file(READ "${EXAMPLES}" examples)
file(APPEND "${include}" "${examples}")

execute_process(
    COMMAND "${HELP2MAN}" --no-info --no-discard-stderr
            --name "single-cable command calculator for scripts"
            --include "${include}" --output "${PAGE}" "${CLI}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "help2man failed: ${result}")
endif()
