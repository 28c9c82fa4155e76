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
