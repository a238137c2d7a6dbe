# Warnings are errors on every build, native and cross alike.
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-Wall;-Wextra;-Werror>")
if(WIN32)
    # MinGW: no dependency on the GCC runtime DLLs.
    add_link_options(-static-libgcc -static-libstdc++ -static)
endif()
