# `make package` on the Windows edition: a portable zip, to unpack anywhere
# and run, with nothing to install: brassmoor.exe and a short README.txt.
install(FILES ${PROJECT_SOURCE_DIR}/src/windows/README.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME brassmoor)
set(CPACK_PACKAGE_VENDOR "Brassmoor developers")
set(CPACK_PACKAGE_FILE_NAME brassmoor-${PROJECT_VERSION}-windows-x64)
set(CPACK_STRIP_FILES ON)
include(CPack)
