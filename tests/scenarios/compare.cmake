# Plays one action script through flumetra-replay and compares what it
# prints with the expected state lines, and its exit status with 0 or 2.
#   cmake -DREPLAY=… -DSCRIPT=… [-DEXPECTED=…] [-DEXIT=2] -P compare.cmake
if(NOT DEFINED EXIT)
  set(EXIT 0)
endif()
execute_process(COMMAND ${EMULATOR} "${REPLAY}" "${SCRIPT}"
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL EXIT)
  message(FATAL_ERROR "flumetra-replay exited ${status}, expected ${EXIT}\n${errors}")
endif()
if(DEFINED EXPECTED)
  file(READ "${EXPECTED}" expected)
  if(NOT output STREQUAL expected)
    message(FATAL_ERROR "state lines differ.\n--- expected\n${expected}--- got\n${output}")
  endif()
endif()
