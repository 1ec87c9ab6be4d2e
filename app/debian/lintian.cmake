# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder and runs lintian on it:
# any error or warning fails.
#   cmake -DBUILD=<build folder> -DLINTIAN=<lintian> -P lintian.cmake
set(out ${BUILD}/package-test)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND cpack -G DEB -B ${out} WORKING_DIRECTORY ${BUILD}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${output}")
endif()
file(GLOB packages ${out}/*.deb)
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --tag-display-limit 0 ${packages}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lintian found errors or warnings in ${packages}")
endif()
