# `make package`: a Debian package of the installed files. Its library
# dependencies are read off the binary by dpkg-shlibdeps; the Qt platform
# plugins are named by hand, because the binary loads them at run time and
# shlibdeps cannot see them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brassmoor)
set(CPACK_PACKAGE_VENDOR "Brassmoor developers")
set(CPACK_PACKAGE_CONTACT "Brassmoor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Small single-player battle-tank game")
set(CPACK_PACKAGE_DESCRIPTION "Drive the blue tank with the arrow keys, aim with the mouse and outgun \
every other tank on a white battlefield, level after level.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_STRIP_FILES ON)
include(CPack)
