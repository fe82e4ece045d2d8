# A compiler cache, when the machine has one, makes rebuilds of the same sources nearly free.
find_program(OBRIX_CCACHE ccache)
if(OBRIX_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${OBRIX_CCACHE})
endif()

# Warning and sanitizer flags for the project's own code.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra -Wpedantic)
    if(OBRIX_WERROR)
        add_compile_options(-Werror)
    endif()
    if(OBRIX_SANITIZE)
        # vptr checks need RTTI of every library involved; Qt's own are not instrumented.
        set(_obrix_sanitizers -fsanitize=address,undefined -fno-sanitize=vptr
            -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
        add_compile_options(${_obrix_sanitizers})
        add_link_options(${_obrix_sanitizers})
    endif()
elseif(MSVC)
    add_compile_options(/W4 /utf-8)
    if(OBRIX_WERROR)
        add_compile_options(/WX)
    endif()
endif()
