# Finds what the build needs from the system and, when something is missing, stops at
# configure time naming the Debian package that supplies it (scripts/setup.sh installs them all).

# wavorin_require(VAR PACKAGE PATH|LIBRARY|PROGRAM NAMES... [SUFFIXES...]): like find_path,
# find_library or find_program, but fatal when not found. Headers and programs of the build
# machine serve the MinGW builds too, so the cross-compiling root is not searched for them.
function(wavorin_require var package kind)
  cmake_parse_arguments(ARG "" "" "NAMES;SUFFIXES" ${ARGN})
  if(kind STREQUAL PATH)
    find_path(${var} NAMES ${ARG_NAMES} PATH_SUFFIXES ${ARG_SUFFIXES} NO_CMAKE_FIND_ROOT_PATH)
  elseif(kind STREQUAL LIBRARY)
    find_library(${var} NAMES ${ARG_NAMES})
  else()
    find_program(${var} NAMES ${ARG_NAMES})
  endif()
  if(NOT ${var})
    message(FATAL_ERROR "${ARG_NAMES} not found: install the Debian package ${package} "
                        "(scripts/setup.sh installs everything the build needs)")
  endif()
endfunction()

# stb's picture decoder, compiled into the host on every platform.
wavorin_require(WAVORIN_STB_DIR libstb-dev PATH NAMES stb_image.h SUFFIXES stb)

if(NOT WIN32)
  # Offscreen drawing of the scene in the native tests and tools.
  wavorin_require(WAVORIN_OSMESA_H libosmesa6-dev PATH NAMES GL/osmesa.h)
  wavorin_require(WAVORIN_OSMESA_LIBRARY libosmesa6-dev LIBRARY NAMES OSMesa)
  wavorin_require(WAVORIN_GLU_H libglu1-mesa-dev PATH NAMES GL/glu.h)
  wavorin_require(WAVORIN_GLU_LIBRARY libglu1-mesa-dev LIBRARY NAMES GLU)
  wavorin_require(WAVORIN_GL_LIBRARY libgl-dev LIBRARY NAMES GL)
endif()

if(WAVORIN_BUILD_TESTS)
  # GoogleTest is built from its sources with each configuration's own compiler.
  if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's sources (/usr/src/googletest) not found: install the Debian "
                        "package googletest")
  endif()
endif()

if(WAVORIN_BUILD_BENCHMARKS AND NOT WIN32)
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    message(FATAL_ERROR "Google Benchmark not found: install the Debian package libbenchmark-dev")
  endif()
endif()

if(WIN32)
  # The installers.
  wavorin_require(WAVORIN_MAKENSIS nsis PROGRAM NAMES makensis)
endif()
