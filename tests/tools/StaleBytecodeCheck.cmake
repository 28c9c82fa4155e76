# A copy of the test effect with one line added after its bytecode was made: the writer must
# refuse it, name scripts/effects, and write no binary.
file(REMOVE_RECURSE ${WORK})
file(COPY ${EFFECTS}/TestEffect.fx ${EFFECTS}/bytecode DESTINATION ${WORK})
file(APPEND ${WORK}/TestEffect.fx "// edited\n")
execute_process(COMMAND ${WRITER} ${WORK}/TestEffect.fx ${WORK}/bytecode ${WORK}/TestEffect.fxo
  RESULT_VARIABLE result ERROR_VARIABLE error)
if(result EQUAL 0 OR NOT error MATCHES "run scripts/effects" OR EXISTS ${WORK}/TestEffect.fxo)
  message(FATAL_ERROR "a stale effect was written (exit ${result}): ${error}")
endif()
# The untouched copy is written.
file(COPY ${EFFECTS}/TestEffect.fx DESTINATION ${WORK})
execute_process(COMMAND ${WRITER} ${WORK}/TestEffect.fx ${WORK}/bytecode ${WORK}/TestEffect.fxo
  RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0 OR NOT EXISTS ${WORK}/TestEffect.fxo)
  message(FATAL_ERROR "the current test effect was refused: ${error}")
endif()

# A shipped brush effect whose shared include was edited after the bytecode was made is refused
# as well; untouched, it is written with a dependency file that names the include.
set(brush ${WORK}/brush)
file(MAKE_DIRECTORY ${brush})
file(GLOB frame ${SHIPPED}/*.fxh)
file(COPY ${SHIPPED}/Light.fx ${frame} ${SHIPPED}/bytecode DESTINATION ${brush})
execute_process(COMMAND ${WRITER} ${brush}/Light.fx ${brush}/bytecode ${brush}/Light.fxo --depfile ${brush}/Light.d
  RESULT_VARIABLE result ERROR_VARIABLE error)
file(READ ${brush}/Light.d depfile)
if(NOT result EQUAL 0 OR NOT depfile MATCHES "BrushFrame.fxh")
  message(FATAL_ERROR "the shipped light effect was refused or its includes not named (exit ${result}): ${error}")
endif()
file(REMOVE ${brush}/Light.fxo)
file(APPEND ${brush}/BrushFrame.fxh "// edited\n")
execute_process(COMMAND ${WRITER} ${brush}/Light.fx ${brush}/bytecode ${brush}/Light.fxo
  RESULT_VARIABLE result ERROR_VARIABLE error)
if(result EQUAL 0 OR NOT error MATCHES "BrushFrame.fxh.*run scripts/effects" OR EXISTS ${brush}/Light.fxo)
  message(FATAL_ERROR "an effect with a stale include was written (exit ${result}): ${error}")
endif()
