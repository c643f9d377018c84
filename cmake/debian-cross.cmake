# Cross-compiles for Linux with one of Debian's g++-<triple> cross compilers
# and runs the golden tests under qemu-user, which finds the target's C and
# C++ libraries under /usr/<triple>. The target is a cache variable:
#
#   cmake -B build/s390x --toolchain cmake/debian-cross.cmake -DCROSS_TRIPLE=s390x-linux-gnu
#
# Needs the packages g++-<triple> (g++-s390x-linux-gnu, say) and qemu-user.

if(NOT CROSS_TRIPLE)
  message(FATAL_ERROR "Set CROSS_TRIPLE to a Debian cross triple, such as i686-linux-gnu.")
endif()
# try_compile() reads this file again in a project of its own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CROSS_TRIPLE)

string(REGEX MATCH "^[^-]+" _cross_processor "${CROSS_TRIPLE}")

# qemu-user names a few processors otherwise than the triples do.
set(_cross_qemu "${_cross_processor}")
if(_cross_processor MATCHES "^i[3-6]86$")
  set(_cross_qemu i386)
elseif(_cross_processor STREQUAL "powerpc64le")
  set(_cross_qemu ppc64le)
elseif(_cross_processor STREQUAL "powerpc64")
  set(_cross_qemu ppc64)
elseif(_cross_processor STREQUAL "powerpc")
  set(_cross_qemu ppc)
endif()

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR "${_cross_processor}")
set(CMAKE_CXX_COMPILER "${CROSS_TRIPLE}-g++")
set(CMAKE_CROSSCOMPILING_EMULATOR "qemu-${_cross_qemu}" -L "/usr/${CROSS_TRIPLE}")
set(CMAKE_FIND_ROOT_PATH "/usr/${CROSS_TRIPLE}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
