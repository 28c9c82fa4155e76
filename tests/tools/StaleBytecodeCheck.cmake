# The writer must refuse an effect whose source, or a file it includes, was edited after its
# bytecode was made: it names scripts/effects and writes no binary. Untouched, it is written.

# The writer on SOURCE (with the bytecode beside it) into BINARY, with any further arguments;
# fails the check unless it refuses with an error matching REASON, or, for an empty REASON,
# unless it writes the binary.
function(expect_writer what reason source binary)
  get_filename_component(dir ${source} DIRECTORY)
  execute_process(COMMAND ${WRITER} ${source} ${dir}/bytecode ${binary} ${ARGN}
    RESULT_VARIABLE result ERROR_VARIABLE error)
  if(reason AND (result EQUAL 0 OR NOT error MATCHES "${reason}" OR EXISTS ${binary}))
    message(FATAL_ERROR "${what} was written (exit ${result}): ${error}")
  elseif(NOT reason AND (NOT result EQUAL 0 OR NOT EXISTS ${binary}))
    message(FATAL_ERROR "${what} was refused: ${error}")
  endif()
endfunction()

# A copy of the test effect with one line added.
file(REMOVE_RECURSE ${WORK})
file(COPY ${EFFECTS}/TestEffect.fx ${EFFECTS}/bytecode DESTINATION ${WORK})
file(APPEND ${WORK}/TestEffect.fx "// edited\n")
expect_writer("a stale effect" "run scripts/effects" ${WORK}/TestEffect.fx ${WORK}/TestEffect.fxo)
file(COPY ${EFFECTS}/TestEffect.fx DESTINATION ${WORK})
expect_writer("the current test effect" "" ${WORK}/TestEffect.fx ${WORK}/TestEffect.fxo)

# A shipped brush effect and its shared includes: written with a dependency file that names
# the include, then refused once the include is edited.
set(brush ${WORK}/brush)
file(MAKE_DIRECTORY ${brush})
file(GLOB frame ${SHIPPED}/*.fxh)
file(COPY ${SHIPPED}/Light.fx ${frame} ${SHIPPED}/bytecode DESTINATION ${brush})
expect_writer("the shipped light effect" "" ${brush}/Light.fx ${brush}/Light.fxo --depfile ${brush}/Light.d)
file(READ ${brush}/Light.d depfile)
if(NOT depfile MATCHES "BrushFrame.fxh")
  message(FATAL_ERROR "the light effect's dependency file does not name its include: ${depfile}")
endif()
file(REMOVE ${brush}/Light.fxo)
file(APPEND ${brush}/BrushFrame.fxh "// edited\n")
expect_writer("an effect with a stale include" "BrushFrame.fxh.*run scripts/effects" ${brush}/Light.fx ${brush}/Light.fxo)
