# Shared build rules: warnings, sanitizers and the layer libraries.

# Warnings stop the build only when asked (CI does): another compiler version's false positive
# must not break a packager's build.
option(VX11_WERROR "Treat compiler warnings as errors" OFF)

function(vx11_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  # GCC 12 at -O3 warns about overlapping copies inside libstdc++'s own string concatenation
  # ("x" + std::string); a known false positive of that compiler, gone in GCC 13.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(VX11_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(VX11_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build instruments everything for coverage and memory errors; only the fuzz targets
# link libFuzzer itself (fuzz/CMakeLists.txt).
if(VX11_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VX11_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++-14)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

set_property(GLOBAL PROPERTY VX11_CORE_LAYERS "")

# One static library per core folder (a layer). DEPENDS names the lower layers it builds on; a
# layer never links one above it, so an upward call shows up as an undefined symbol at link time.
# Sources are every .cpp in the folder, so adding a file needs no CMake change.
function(vx11_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;LINKS;EXCLUDE" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  if(NOT srcs)
    set(srcs ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} ${ARG_LINKS})
  vx11_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY VX11_CORE_LAYERS ${name})
endfunction()

# vx11_core: every core layer, for the programs, tests and benchmarks that use the whole core.
function(vx11_core_library)
  get_property(layers GLOBAL PROPERTY VX11_CORE_LAYERS)
  add_library(vx11_core INTERFACE)
  target_link_libraries(vx11_core INTERFACE ${layers} Threads::Threads)
  # Each layer also links whole on top of its lower ones alone, so a call into a layer above it is
  # an undefined symbol at build time. The sanitizer runtimes leave undefined symbols of their own.
  if(NOT VX11_SANITIZE AND NOT VX11_FUZZ)
    foreach(layer ${layers})
      add_library(${layer}_alone SHARED ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
      target_link_libraries(${layer}_alone PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${layer}>")
      target_link_options(${layer}_alone PRIVATE -Wl,--no-undefined)
      set_target_properties(${layer}_alone PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layer_check)
    endforeach()
  endif()
endfunction()
