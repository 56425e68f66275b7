# Runs a one-line script with --codepage CODEPAGE: the exit status must be EXPECTED_STATUS,
# and EXPECTED_ERROR (when given) must be on standard error.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E echo "new L 0,0 50x50"
  COMMAND ${QVHOST} run - --codepage ${CODEPAGE}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL EXPECTED_STATUS)
  message(FATAL_ERROR "expected exit status ${EXPECTED_STATUS}, got ${status}:\n${errors}")
endif()
if(EXPECTED_STATUS EQUAL 0 AND NOT output MATCHES "L.Paint")
  message(FATAL_ERROR "expected the script to run, got:\n${output}")
endif()
if(NOT EXPECTED_ERROR STREQUAL "")
  string(FIND "${errors}" "${EXPECTED_ERROR}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "expected \"${EXPECTED_ERROR}\" on standard error, got:\n${errors}")
  endif()
endif()
