# The release: what "cpack" puts in Vantor-<version>-linux-x86_64.tar.gz,
# the installation as laid out in the output folder with Setup at its top.
# tools/make-release.sh builds it and the update server's folder.
set(VANTOR_RELEASE_CATALOGUE 380 CACHE STRING "The catalogue a new installation starts with")
set(VANTOR_RELEASE_OEM_ID 0 CACHE STRING "The branding of the release (iOemId)")
file(WRITE ${CMAKE_BINARY_DIR}/Release.ini
  "[Release]\nsCode=${VANTOR_RELEASE_CATALOGUE}\niOemId=${VANTOR_RELEASE_OEM_ID}\n")

install(TARGETS Vantor Updater VantorSetup RUNTIME DESTINATION .)
install(TARGETS Engine LIBRARY DESTINATION .)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/src/installer/Setup.sh DESTINATION . RENAME Setup)
install(FILES ${CMAKE_BINARY_DIR}/Release.ini DESTINATION .)
install(DIRECTORY ${VANTOR_OUTPUT_DIR}/Lang ${VANTOR_OUTPUT_DIR}/Skins ${VANTOR_OUTPUT_DIR}/Data
                  ${VANTOR_OUTPUT_DIR}/Catalogues
        DESTINATION .)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME Vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Vantor-${PROJECT_VERSION}-linux-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/release)
include(CPack)
