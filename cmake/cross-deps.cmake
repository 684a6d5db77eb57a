# SPDX-License-Identifier: MIT
# The libraries of the core's tools and tests when cross-compiling, where the
# host's packages cannot be linked: GoogleTest is built from Debian's sources
# (package googletest) for the target, and the two header-only libraries,
# CLI11 and nlohmann/json, are taken from the host by their own folders only,
# so that no other host header can slip into a target build.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

set(VEK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build for the target")
set(VEK_HOST_INCLUDE /usr/include CACHE PATH "Where the host's CLI11 and nlohmann/json headers are")

if(NOT TARGET GTest::gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  # GoogleTest keeps its own warning flags; ours (-Werror included) are not
  # for foreign code.
  get_directory_property(vek_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  add_subdirectory(${VEK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${vek_options}")
endif()

set(vek_header_only ${CMAKE_BINARY_DIR}/header-only)
foreach(folder CLI nlohmann)
  if(NOT EXISTS ${VEK_HOST_INCLUDE}/${folder})
    message(FATAL_ERROR "${VEK_HOST_INCLUDE}/${folder} is missing (Debian: libcli11-dev, nlohmann-json3-dev)")
  endif()
  file(COPY ${VEK_HOST_INCLUDE}/${folder} DESTINATION ${vek_header_only})
endforeach()
if(NOT TARGET CLI11::CLI11)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${vek_header_only})
endif()
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${vek_header_only})
endif()
