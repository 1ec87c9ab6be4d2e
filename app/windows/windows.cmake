# SPDX-License-Identifier: GPL-3.0-or-later
# flumetra.exe for Windows: its icon and version resource, and the folder a
# Windows user gets, the same in the portable zip and in the installer:
#   flumetra.exe, Qt's DLLs (Qt SVG's and Qt Print Support's among them; Qt 6
#   prints to Windows' printers from the latter, with no plugin) and the
#   mingw-w64 runtime beside it, platforms/ and styles/ (Qt's plugins),
#   translations/qtbase_it.qm,
#   LICENSE.txt, THIRD-PARTY.txt and licenses/.
# Included from app/CMakeLists.txt.

configure_file(windows/flumetra.rc.in ${CMAKE_CURRENT_BINARY_DIR}/flumetra.rc @ONLY)
target_sources(flumetra PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/flumetra.rc)

install(TARGETS flumetra RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
              $<TARGET_FILE:Qt6::PrintSupport> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
endif()

# The compiler's own runtime, which the program and Qt's DLLs load.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS "${runtime_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${runtime} is")
  endif()
  install(FILES ${runtime_path} DESTINATION .)
endforeach()

# Qt's own texts in Italian (the fields' menu): Qt's translations are the
# same file on every platform, so the build machine's copy is taken.
# The program looks for them beside itself, in the build folder too.
find_file(QTBASE_IT qtbase_it.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES ${QTBASE_IT} DESTINATION translations)
add_custom_command(TARGET flumetra POST_BUILD
                   COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QTBASE_IT} $<TARGET_FILE_DIR:flumetra>/translations/qtbase_it.qm)

# Licences: Flumetra's, and the full terms of everything shipped beside it,
# from the Debian packages it was built with.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
from_project(windows/THIRD-PARTY.txt)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/windows/THIRD-PARTY.txt DESTINATION .)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME LGPL-3.txt)
install(FILES /usr/share/doc/libqt6core6/copyright DESTINATION licenses RENAME qt6-base.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses RENAME gcc.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licenses RENAME mingw-w64.txt)

# Packages: cpack -G ZIP (portable) and -G NSIS (installer).
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME flumetra-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Flumetra)
set(CPACK_PACKAGE_EXECUTABLES flumetra Flumetra)  # the Start-menu entry
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Flumetra)  # one key for every version: a new one replaces the old
set(CPACK_NSIS_DEFINES "Target amd64-unicode")   # a 64-bit installer for a 64-bit program
set(CPACK_NSIS_PACKAGE_NAME Flumetra)
set(CPACK_NSIS_DISPLAY_NAME Flumetra)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME flumetra.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/flumetra.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/flumetra.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_CONTACT ${contact})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/windows/cpack-names.cmake)

# A duct run's file (.flumetra) opens in Flumetra; the uninstaller removes
# the keys, and .flumetra's only while it still names Flumetra's type.
# CPack passes every CPACK_ value to the installer's script as written
# here (verbatim), backslashes and quotes included.
set(CPACK_VERBATIM_VARIABLES ON)
set(file_type Flumetra.Percorso)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr HKCR '.flumetra' '' '${file_type}'
  WriteRegStr HKCR '.flumetra' 'Content Type' 'application/x-flumetra-percorso'
  WriteRegStr HKCR '${file_type}' '' 'Percorso di Flumetra'
  WriteRegStr HKCR '${file_type}\\DefaultIcon' '' '$INSTDIR\\flumetra.exe,0'
  WriteRegStr HKCR '${file_type}\\shell\\open\\command' '' '\"$INSTDIR\\flumetra.exe\" \"%1\"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  ReadRegStr $0 HKCR '.flumetra' ''
  StrCmp $0 '${file_type}' 0 +2
    DeleteRegKey HKCR '.flumetra'
  DeleteRegKey HKCR '${file_type}'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")

# Qt's and the compiler's DLLs come with debugging sections and symbols (22 MB of
# libstdc++'s 24): a user's folder gets them stripped.
install(CODE "
  file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  foreach(dll \${dlls})
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()")
