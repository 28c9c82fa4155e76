# The files a user installs, as a user gets them: optimised, without debug information, in
# bin/. The debug information stays beside the saver in VelmoraGlow.scr.debug, which the
# binary names in its GNU debug link, so gdb (and addr2line on the .debug file) still turn a
# crash address into a function and line.

# vg_release_file(target): the target's file lands in bin/ and loses its debug sections and
# symbols to <file>.debug beside it.
function(vg_release_file target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VG_RELEASE_DIR})
  set(file $<TARGET_FILE:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${file} ${file}.debug
    COMMAND ${CMAKE_STRIP} --strip-all ${file}
    COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${file}.debug ${file}
    COMMENT "Moving the debug information of ${target} into ${target}.debug"
    VERBATIM)
endfunction()

# vg_release_module(target): a module without code of its own (no debug information) lands in
# bin/, and a copy of it in test-bin/, where the tests and benchmarks find it beside them as
# the saver finds it beside itself.
function(vg_release_module target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VG_RELEASE_DIR})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_STRIP} --strip-all $<TARGET_FILE:${target}>
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VG_TEST_BIN_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${VG_TEST_BIN_DIR}/$<TARGET_FILE_NAME:${target}>
    COMMENT "Copying ${target} beside the test programs"
    VERBATIM)
endfunction()
