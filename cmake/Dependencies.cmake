# Third-party libraries: GoogleTest (built from Debian's sources when cross-compiling), Google Benchmark,
# and libjpeg / libpng / zlib for the image readers.

if(WIN32)
  # libjpeg and libpng are cross-built into ZANDREL_DEPS_PREFIX by scripts/lib/cross-deps.sh.
  set(ZANDREL_DEPS_PREFIX "" CACHE PATH "Prefix holding the cross-built static libjpeg and libpng")
  if(ZANDREL_DEPS_PREFIX)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${ZANDREL_DEPS_PREFIX})
    list(PREPEND CMAKE_PREFIX_PATH ${ZANDREL_DEPS_PREFIX})
  endif()
  set(ZLIB_USE_STATIC_LIBS ON)
endif()

find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)
find_package(PNG 1.6 REQUIRED)
if(WIN32)
  # Static archives only, so that the renderer needs no DLLs beside it.
  find_library(ZANDREL_ZLIB_STATIC NAMES libz.a REQUIRED)
  set_target_properties(ZLIB::ZLIB PROPERTIES IMPORTED_LOCATION ${ZANDREL_ZLIB_STATIC})
endif()

if(WIN32)
  set(ZANDREL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to cross-build")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ZANDREL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
elseif(NOT ZANDREL_FUZZ)
  find_package(GTest REQUIRED)
  if(ZANDREL_BENCHMARKS AND NOT ZANDREL_SANITIZE)
    find_package(benchmark REQUIRED)
  endif()
endif()
