# Installs the build into a scratch prefix and checks that everything an
# installation needs is there and that the installed tool runs.
# Arguments: BUILD_DIR, PREFIX.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path bin/vantir bin/vantir-cli share/vantir/vantir_de_DE.qm share/vantir/vantir_en.qm
             share/applications/example.drosvane.vantir.desktop share/icons/hicolor/48x48/apps/vantir.png)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(READ "${PREFIX}/share/applications/example.drosvane.vantir.desktop" desktop)
foreach(line "Exec=[^\n]*/bin/vantir\n" "Path=[^\n]*/share/vantir\n" "Icon=vantir\n")
    if(NOT desktop MATCHES "${line}")
        message(FATAL_ERROR "desktop entry lacks ${line}:\n${desktop}")
    endif()
endforeach()

execute_process(COMMAND "${PREFIX}/bin/vantir-cli" OUTPUT_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT output MATCHES "EN 50494: E0 10 5A 0C F6 \nEN 50607: 70 03 E8 03 \n")
    message(FATAL_ERROR "installed vantir-cli answered ${result}:\n${output}")
endif()

# Drawing needs the picture module, found from the installed program.
file(REMOVE "${PREFIX}/wave.png")
execute_process(COMMAND "${PREFIX}/bin/vantir-cli" wave --standard en50607 -o "${PREFIX}/wave.png"
                RESULT_VARIABLE result ERROR_VARIABLE error OUTPUT_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS "${PREFIX}/wave.png")
    message(FATAL_ERROR "installed vantir-cli could not draw: ${result} ${error}")
endif()
