# The hardening Debian builds its own packages with (dpkg-buildflags with hardening=+all):
# fortified C library calls, a stack protector, format checks, relocations made read-only and
# bound at start-up, and position-independent executables. For every optimised build but those
# of the sanitizers and the fuzzer, which bring checks of their own; fortifying needs the
# optimiser. MinGW's runtime has neither fortified calls nor a stack protector of its own.
if(WIN32 OR FRAMEPLAN_SANITIZE OR FRAMEPLAN_FUZZ OR CMAKE_BUILD_TYPE STREQUAL "Debug")
    return()
endif()

# Some compilers define _FORTIFY_SOURCE themselves; one level, not a redefinition.
add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat
                    -Werror=format-security)
add_link_options(-Wl,-z,relro -Wl,-z,now)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
