# ix_layer(<name> [DEPS ...])
#
# Every architectural layer is a static library built from all .cpp files of its folder
# tree (the folder of the calling CMakeLists.txt), so adding a file needs no CMake edit.
# Platform-specific code sits in folders named `win32/` (Windows only), `headless/` or
# `linux/` (Linux only: the headless backend, the system codec libraries).
function(ix_layer name)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  # Paths relative to the layer's folder, so that a checkout that itself lies in a folder
  # named win32, headless or linux does not lose its sources to the filter.
  file(GLOB_RECURSE sources RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}" CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "(^|/)(headless|linux)/")
  else()
    list(FILTER sources EXCLUDE REGEX "(^|/)win32/")
  endif()
  list(TRANSFORM sources PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/")
  if(NOT sources)
    # A layer that has no code yet still has to link.
    set(sources "${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp")
    file(WRITE "${sources}" "namespace { [[maybe_unused]] constexpr int ${name}Empty = 0; }\n")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/include)
  if(L_DEPS)
    target_link_libraries(${name} PUBLIC ${L_DEPS})
  endif()
endfunction()
