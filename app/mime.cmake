# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the file type's definition as the desktop reads it: the
# shared-mime-info database built from it alone maps *.flumetra to the type.
#   cmake -DXML=… -DUPDATE=update-mime-database -DWORK=<folder> -P mime.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/mime/packages)
file(COPY ${XML} DESTINATION ${WORK}/mime/packages)
execute_process(COMMAND ${UPDATE} ${WORK}/mime RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR errors MATCHES "[Ee]rror|[Ww]arning")
  message(FATAL_ERROR "update-mime-database refused ${XML} (exit ${status}):\n${errors}")
endif()
file(READ ${WORK}/mime/globs2 globs)
if(NOT globs MATCHES "application/x-flumetra-percorso:\\*\\.flumetra")
  message(FATAL_ERROR "the database does not map *.flumetra:\n${globs}")
endif()
