# Hardening of the optimised builds, the flags Debian builds its packages with: fortified C library
# calls, a strong stack protector, stack clash protection, control-flow protection on x86, read-only
# relocations bound at start-up (RELRO, BIND_NOW) and position-independent executables. Debug builds
# stay as they are (fortification needs optimisation); so do sanitizer builds, which check more.
option(DISHLINE_HARDENING "Harden the Release, RelWithDebInfo and MinSizeRel builds (fortify, stack protector, \
RELRO, BIND_NOW, PIE)" ON)

if(DISHLINE_HARDENING AND NOT DISHLINE_SANITIZE AND NOT WIN32 AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    include(CheckPIESupported)
    check_pie_supported(LANGUAGES CXX)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
    add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;-fstack-protector-strong>"
                        "$<${optimised}:-fstack-clash-protection>")
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
        add_compile_options("$<${optimised}:-fcf-protection>")
    endif()
    add_link_options("$<${optimised}:-Wl,-z,relro;-Wl,-z,now>")
endif()
