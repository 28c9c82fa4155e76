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

# vg_generate(TOOL name ARGS arg... OUTPUTS file... [DEPENDS file...] [DEPFILE file]): runs a
# host generator that makes files; a DEPFILE the generator writes names further inputs.
function(vg_generate)
  cmake_parse_arguments(G "" "TOOL;DEPFILE" "ARGS;OUTPUTS;DEPENDS" ${ARGN})
  set(depfile "")
  if(G_DEPFILE)
    set(depfile DEPFILE ${G_DEPFILE})
  endif()
  add_custom_command(OUTPUT ${G_OUTPUTS}
    COMMAND ${VG_HOST_TOOLS_DIR}/${G_TOOL} ${G_ARGS}
    DEPENDS host_tools ${VG_HOST_TOOLS_DIR}/${G_TOOL} ${G_DEPENDS}
    ${depfile}
    COMMENT "Generating with ${G_TOOL}")
endfunction()

# vg_effect_binary(BINARY_VAR source.fx): writes the effect binary of a source from the bytecode
# committed in bytecode/ beside it, into this folder's effects/. Its dependency file names the
# files the source includes, so an edited include writes the binary again. The build fails,
# naming scripts/effects, when a source or an include changed after its bytecode was made.
function(vg_effect_binary binary_var source)
  get_filename_component(dir ${source} DIRECTORY)
  get_filename_component(name ${source} NAME_WE)
  file(GLOB bytecode CONFIGURE_DEPENDS ${dir}/bytecode/${name}.*.d3dbc)
  set(binary ${CMAKE_CURRENT_BINARY_DIR}/effects/${name}.fxo)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/effects)
  vg_generate(TOOL write_effect ARGS ${source} ${dir}/bytecode ${binary} --depfile ${binary}.d
    OUTPUTS ${binary} DEPENDS ${source} ${dir}/bytecode/manifest.sha256 ${bytecode} DEPFILE ${binary}.d)
  set(${binary_var} ${binary} PARENT_SCOPE)
endfunction()

# vg_effect_resources(LINES_VAR FILES_VAR id source.fx [id source.fx ...]): the effect binaries
# of the sources (vg_effect_binary), and the resource-script lines that embed them as RT_RCDATA
# under their ids.
function(vg_effect_resources lines_var files_var)
  set(lines "")
  set(files "")
  set(pairs ${ARGN})
  while(pairs)
    list(POP_FRONT pairs id source)
    vg_effect_binary(binary ${source})
    string(APPEND lines "${id} RCDATA \"${binary}\"\n")
    list(APPEND files ${binary})
  endwhile()
  set(${lines_var} "${lines}" PARENT_SCOPE)
  set(${files_var} "${files}" PARENT_SCOPE)
endfunction()
