# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack once per generator: the installer is named as one.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "flumetra-${CPACK_PACKAGE_VERSION}-setup-x64")
endif()
