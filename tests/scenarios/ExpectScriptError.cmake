# Runs qvhost on a script that must be refused: exit status 2 and the expected FILE:LINE
# message on standard error. Nothing may come on standard output unless TRANSCRIPT_ALLOWED
# (the script stops part-way, after the lines before it ran); with EXPECTED_LAST_LINE the
# transcript must end with that line.
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
if(DEFINED EXPECTED_LAST_LINE)
  string(STRIP "${output}" output)
  string(REGEX MATCH "[^\n]*$" last "${output}")
  if(NOT last STREQUAL EXPECTED_LAST_LINE)
    message(FATAL_ERROR "expected the transcript to end with \"${EXPECTED_LAST_LINE}\", got:\n${output}")
  endif()
endif()
