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
                   ${VG_HOST_TOOLS_DIR}/write_builtin_resources
                   ${VG_HOST_TOOLS_DIR}/write_default_scene
                   ${VG_HOST_TOOLS_DIR}/write_saver_pictures
                   ${VG_HOST_TOOLS_DIR}/write_dialog_picture
                   ${VG_HOST_TOOLS_DIR}/write_bench_document
                   ${VG_HOST_TOOLS_DIR}/write_large_picture
)

# vg_generate(TOOL name ARGS arg... OUTPUTS file...): runs a host generator that makes files.
function(vg_generate)
  cmake_parse_arguments(G "" "TOOL" "ARGS;OUTPUTS" ${ARGN})
  add_custom_command(OUTPUT ${G_OUTPUTS}
    COMMAND ${VG_HOST_TOOLS_DIR}/${G_TOOL} ${G_ARGS}
    DEPENDS host_tools ${VG_HOST_TOOLS_DIR}/${G_TOOL}
    COMMENT "Generating with ${G_TOOL}")
endfunction()
