# Cross-builds vantir for 64-bit Windows with Debian's MinGW-w64 and the
# libraries packaging/windows/toolchain built: pass
#   -DCMAKE_TOOLCHAIN_FILE=packaging/windows/mingw.cmake -DVANTIR_WINDOWS_PREFIX=<its folder>
# Each test program runs under Wine, through run-in-wine.
if(NOT VANTIR_WINDOWS_PREFIX)
    set(VANTIR_WINDOWS_PREFIX "$ENV{VANTIR_WINDOWS_PREFIX}")
endif()
if(NOT EXISTS "${VANTIR_WINDOWS_PREFIX}/toolchain.cmake")
    message(FATAL_ERROR "VANTIR_WINDOWS_PREFIX must name the folder packaging/windows/toolchain printed")
endif()
# Checks CMake compiles on the way see the same settings.
set(ENV{VANTIR_WINDOWS_PREFIX} "${VANTIR_WINDOWS_PREFIX}")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VANTIR_WINDOWS_PREFIX)

include("${VANTIR_WINDOWS_PREFIX}/toolchain.cmake")
# The compiler's name ends in -posix (its threads), which hides the
# binutils' prefix from CMake.
foreach(tool AR RANLIB STRIP OBJDUMP NM)
    string(TOLOWER ${tool} name)
    set(CMAKE_${tool} /usr/bin/x86_64-w64-mingw32-${name} CACHE FILEPATH "")
endforeach()
set(CMAKE_PREFIX_PATH "${VANTIR_WINDOWS_QT}" "${VANTIR_WINDOWS_SOUND}")
# Debian's own lrelease compiles the catalogues: it is the same Qt version.
set(Qt5LinguistTools_DIR /usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools CACHE PATH "")
# pkg-config finds the cross-built libraries only.
set(ENV{PKG_CONFIG_LIBDIR} "${VANTIR_WINDOWS_SOUND}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/run-in-wine")
