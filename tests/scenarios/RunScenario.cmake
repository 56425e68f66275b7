# Runs one scenario script through qvhost and compares its transcript with the golden one.
file(MAKE_DIRECTORY ${OUT_DIR})
execute_process(
  COMMAND ${QVHOST} run ${SCRIPT} --out ${OUT_DIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "qvhost exited with ${status}:\n${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${OUT_DIR}/transcript.out "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${OUT_DIR}/transcript.out OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "transcript differs from ${EXPECTED}:\n${difference}")
endif()
