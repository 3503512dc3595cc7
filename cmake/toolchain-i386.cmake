# 32-bit x86 (i386) programs from the x86-64 compilers: gcc/g++ with -m32 (Debian's
# g++-multilib) against the i386 multiarch packages (libx11-dev:i386 and friends). The
# machine runs the results natively, so the tests run as they do in the 64-bit build.
#   cmake -S . -B build-i386 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i386.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
# Float arithmetic in SSE registers, as on x86-64. The x87 unit keeps products in 80 bits, so
# a zoomed width of 30 x 0.9f stays 26.99999... and truncates to 26 where the float product is
# 27: the two builds would place elements a pixel apart.
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)

# The host runs i386 programs itself: no emulator, and test discovery may run them.
set(CMAKE_CROSSCOMPILING_EMULATOR "")

# pkg-config reads only the i386 .pc files (and the architecture-independent ones).
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/i386-linux-gnu/pkgconfig:/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

# Libraries, headers and CMake packages come from the target's folders, programs from ours.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(NSHTML_I386 ON CACHE BOOL "Building 32-bit x86 programs" FORCE)
