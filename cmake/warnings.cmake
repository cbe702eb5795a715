# The warnings every target of the project is built with, the tests and tools included, for each
# compiler the project meets: GCC (Linux, mingw-w64) and Clang (the fuzz target, emscripten).
# The presets make them errors, so a configuration that builds has none.
option(QUORVEL_WARNINGS_AS_ERRORS "Fail the build on any warning" OFF)

add_library(quorvel_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(quorvel_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wconversion -Wno-sign-conversion -Wshadow)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(quorvel_warnings INTERFACE -Wlogical-op -Wduplicated-cond)
        if(CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12 AND
           CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            # GCC 12 warns inside libstdc++'s own std::string code once it is inlined at -O2
            # (GCC bugs 105329 and 105651, fixed in GCC 13): not about this program's code.
            target_compile_options(quorvel_warnings INTERFACE -Wno-restrict -Wno-array-bounds)
        endif()
    endif()
    if(QUORVEL_WARNINGS_AS_ERRORS)
        target_compile_options(quorvel_warnings INTERFACE -Werror)
    endif()
elseif(MSVC)
    target_compile_options(quorvel_warnings INTERFACE /W4 $<$<BOOL:${QUORVEL_WARNINGS_AS_ERRORS}>:/WX>)
endif()
