# The Windows packages, a zip that runs where it is unpacked and an installer:
# the program at the top of its folder, and beside it what it loads, Qt's
# libraries with the plugins it needs (the windows platform, the native
# style, GIF for the logos) and the MinGW runtime, then the licences.

install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QGifPlugin> DESTINATION imageformats)
foreach(library libstdc++-6 libgcc_s_seh-1 libwinpthread-1)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}.dll
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${path} DESTINATION .)
endforeach()
# No user needs their symbols; stripped, the libraries are a third of the size.
install(CODE "
  file(GLOB_RECURSE libraries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${libraries} COMMAND_ERROR_IS_FATAL ANY)
")

# VTEditor is under the GPL version 3 or later. Qt is under the LGPL version
# 3, which adds to the GPL's text; Debian's record of its sources names the
# licences of the third-party code inside it.
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION . RENAME COPYING.txt)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt-notice.txt DESTINATION licenses RENAME Qt.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME LGPL-3.txt)
install(FILES /usr/share/doc/qt6-base-dev/copyright DESTINATION licenses RENAME Qt-sources-and-licences.txt)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME vteditor-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY VTEditor)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY VTEditor)
# The installer is made from the project's own NSIS.template.in: CPack's
# asks for administrator rights even to install for one user alone.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_PACKAGE_NAME VTEditor)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icon/vteditor.ico)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-options.cmake)
