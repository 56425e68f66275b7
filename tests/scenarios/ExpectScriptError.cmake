# Runs qvhost on a script that must be refused before it runs: exit status 2 and the
# expected FILE:LINE message on standard error, nothing on standard output (unless
# TRANSCRIPT_ALLOWED: the script stops at a file it cannot use, after the lines before it).
execute_process(
  COMMAND ${QVHOST} run ${SCRIPT}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "expected exit status 2, got ${status}")
endif()
if(NOT output STREQUAL "" AND NOT TRANSCRIPT_ALLOWED)
  message(FATAL_ERROR "expected no transcript, got:\n${output}")
endif()
string(FIND "${errors}" "${EXPECTED_ERROR}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "expected \"${EXPECTED_ERROR}\" on standard error, got:\n${errors}")
endif()
