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
                   ${VG_HOST_TOOLS_DIR}/write_effect
                   ${VG_HOST_TOOLS_DIR}/write_authored_document
)

# vg_generate(TOOL name ARGS arg... OUTPUTS file... [DEPENDS file...]): runs a host generator
# that makes files.
function(vg_generate)
  cmake_parse_arguments(G "" "TOOL" "ARGS;OUTPUTS;DEPENDS" ${ARGN})
  add_custom_command(OUTPUT ${G_OUTPUTS}
    COMMAND ${VG_HOST_TOOLS_DIR}/${G_TOOL} ${G_ARGS}
    DEPENDS host_tools ${VG_HOST_TOOLS_DIR}/${G_TOOL} ${G_DEPENDS}
    COMMENT "Generating with ${G_TOOL}")
endfunction()

# vg_effect_resources(LINES_VAR FILES_VAR id source.fx [id source.fx ...]): writes each effect
# binary from its source and the bytecode committed in bytecode/ beside it, and gives the
# resource-script lines that embed the binaries as RT_RCDATA under their ids, and the binaries.
# The build fails, naming scripts/effects, when a source changed after its bytecode was made.
function(vg_effect_resources lines_var files_var)
  set(lines "")
  set(files "")
  set(pairs ${ARGN})
  while(pairs)
    list(POP_FRONT pairs id source)
    get_filename_component(dir ${source} DIRECTORY)
    get_filename_component(name ${source} NAME_WE)
    file(GLOB bytecode CONFIGURE_DEPENDS ${dir}/bytecode/${name}.*.d3dbc)
    set(binary ${CMAKE_CURRENT_BINARY_DIR}/effects/${name}.fxo)
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/effects)
    vg_generate(TOOL write_effect ARGS ${source} ${dir}/bytecode ${binary} OUTPUTS ${binary}
      DEPENDS ${source} ${dir}/bytecode/manifest.sha256 ${bytecode})
    string(APPEND lines "${id} RCDATA \"${binary}\"\n")
    list(APPEND files ${binary})
  endwhile()
  set(${lines_var} "${lines}" PARENT_SCOPE)
  set(${files_var} "${files}" PARENT_SCOPE)
endfunction()
