# The Linux program built as Debian builds its packages (dpkg-buildflags with hardening=+all):
# stack protector and clash protection, control-flow protection, checked string and memory
# functions where optimised, read-only relocations bound at start, position-independent.
# The Windows program's linker marks it for ASLR and DEP by default; it leaves out the time
# stamp, so that the same source gives the same file.
if(QUORVEL_BINDING STREQUAL "qt" AND NOT QUORVEL_SANITIZE)
    add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection
                        -Wformat -Werror=format-security)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_link_options(-Wl,-z,relro -Wl,-z,now)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
elseif(QUORVEL_BINDING STREQUAL "win32")
    add_link_options(-Wl,--no-insert-timestamp)
endif()
