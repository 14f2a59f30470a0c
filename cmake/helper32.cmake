# The 32-bit copy of the Internet Explorer helper (HushBHO32.dll): 32-bit
# Internet Explorer, the default on 64-bit Windows, loads 32-bit helpers
# only. A tree of its own inside this one, configured for i686 and building
# nothing but the helper; built on every build (a no-op when nothing
# changed) so the setup program always carries a current copy.
include(ExternalProject)
find_program(HUSH_I686_CXX i686-w64-mingw32-g++-posix)
if(NOT HUSH_I686_CXX)
  message(FATAL_ERROR "The 32-bit helper needs i686-w64-mingw32-g++-posix "
                      "(Debian: g++-mingw-w64-i686-posix binutils-mingw-w64-i686)")
endif()
set(HUSH_HELPER32_DIR ${CMAKE_BINARY_DIR}/win32)
set(HUSH_HELPER32_LIBRARY ${HUSH_HELPER32_DIR}/bho/HushBHO32.dll)
ExternalProject_Add(HushBHO32
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${HUSH_HELPER32_DIR}
  PREFIX ${CMAKE_BINARY_DIR}/win32-steps
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-i686.cmake
             -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
             -DHUSH_HELPER_LIBRARY_ONLY=ON
             -DHUSH_WARNINGS_AS_ERRORS=${HUSH_WARNINGS_AS_ERRORS}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${HUSH_HELPER32_LIBRARY})
