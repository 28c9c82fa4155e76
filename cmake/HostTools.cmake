# The generators run on the build machine, so they are built natively as a sub-build.
include(ExternalProject)
set(VG_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
ExternalProject_Add(host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/host
  BINARY_DIR ${VG_HOST_TOOLS_DIR}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${VG_HOST_TOOLS_DIR}/write_test_document
)

# vg_generate(OUTPUT file TOOL name): runs a host generator to make one file.
function(vg_generate)
  cmake_parse_arguments(G "" "OUTPUT;TOOL" "" ${ARGN})
  add_custom_command(OUTPUT ${G_OUTPUT}
    COMMAND ${VG_HOST_TOOLS_DIR}/${G_TOOL} ${G_OUTPUT}
    DEPENDS host_tools ${VG_HOST_TOOLS_DIR}/${G_TOOL}
    COMMENT "Generating ${G_OUTPUT}")
endfunction()
