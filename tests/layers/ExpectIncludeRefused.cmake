# Builds each probe target and checks that the compiler refused it for not finding the
# named header, and for nothing else. PROBES: target=header pairs separated by "|".
string(REPLACE "|" ";" probes "${PROBES}")
foreach(probe IN LISTS probes)
  string(REPLACE "=" ";" parts "${probe}")
  list(GET parts 0 target)
  list(GET parts 1 header)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(status EQUAL 0)
    message(FATAL_ERROR "${target} compiled, so ${header} is within its reach")
  endif()
  string(REGEX MATCHALL "[^\n]*(No such file or directory|file not found)[^\n]*" missing "${output}")
  list(LENGTH missing count)
  if(NOT count EQUAL 1 OR NOT missing MATCHES "${header}")
    message(FATAL_ERROR "${target} failed, but not only for want of ${header}:\n${output}")
  endif()
endforeach()
