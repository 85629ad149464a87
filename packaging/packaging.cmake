# The release package: Kestrivar-1.3-win32.zip with Kestrivar.exe, kvtool.exe and the player's
# readme at its top level. `cmake --build --preset windows --target package` makes it in the build
# directory. Only the "player" component is packed: the build's other install rules stay out of it.
# Both programs are packed stripped: the static C++ run-time brings debug sections that would
# double Kestrivar.exe's size.
install(TARGETS Kestrivar kvtool RUNTIME DESTINATION . COMPONENT player)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/README-player.txt DESTINATION . COMPONENT player)
set(CPACK_STRIP_FILES TRUE)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Kestrivar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "Kestrivar-${PROJECT_VERSION}-win32")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Kestrivar;player;/")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
