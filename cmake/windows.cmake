# The Windows build, cross-compiled with MinGW-w64 (scripts/windows.sh).

# Libraries built for Windows beside the program (libzip, GoogleTest) are installed in this
# prefix, searched like the toolchain's own root; pkg-config then reads only Windows .pc files,
# never the host's.
set(QUADEROLA_TERZI "" CACHE PATH "Prefix of the libraries cross-built for Windows")
if(QUADEROLA_TERZI)
    list(APPEND CMAKE_FIND_ROOT_PATH ${QUADEROLA_TERZI})
    list(APPEND CMAKE_PREFIX_PATH ${QUADEROLA_TERZI})
    set(pcwindows)
    foreach(r IN LISTS CMAKE_FIND_ROOT_PATH)
        list(APPEND pcwindows ${r}/lib/pkgconfig)
    endforeach()
    string(REPLACE ";" ":" pcwindows "${pcwindows}")
    set(ENV{PKG_CONFIG_LIBDIR} "${pcwindows}")
endif()

# The tests run under Wine: they are listed when CTest runs, not at build time, so building
# needs no Wine.
if(CMAKE_CROSSCOMPILING)
    set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()
