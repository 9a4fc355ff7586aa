# `make package`: a Debian package of the installed files, laid out as
# Debian's policy asks of a game: the program in /usr/games, a manual page,
# a changelog and a machine-readable copyright file. Its library
# dependencies are read off the binary by dpkg-shlibdeps; the Qt platform
# plugins are named by hand, because the binary loads them at run time and
# shlibdeps cannot see them.
set(brassmoor_debian ${PROJECT_SOURCE_DIR}/cmake/debian)
set(brassmoor_docdir ${CMAKE_INSTALL_DATADIR}/doc/brassmoor)

# Compressed as Debian's tools do: the most, and with no name or time stamp
# in the header, so that the package is the same from build to build.
find_program(GZIP gzip REQUIRED)
function(brassmoor_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/debian/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/debian
    COMMAND ${GZIP} -9n --stdout ${source} > ${gzipped}
    DEPENDS ${source}
    COMMENT "Compressing ${name}")
  add_custom_target(brassmoor_${name}_gz ALL DEPENDS ${gzipped})
  install(FILES ${gzipped} DESTINATION ${destination})
endfunction()

brassmoor_install_gzipped(${brassmoor_debian}/changelog ${brassmoor_docdir})
# The manual page names the version it describes.
configure_file(${PROJECT_SOURCE_DIR}/desktop/brassmoor.6.in ${CMAKE_BINARY_DIR}/brassmoor.6 @ONLY)
brassmoor_install_gzipped(${CMAKE_BINARY_DIR}/brassmoor.6 ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${brassmoor_debian}/copyright DESTINATION ${brassmoor_docdir})

# A stripped program keeps the compilers' version notes in .comment; Debian's
# own strip step (dh_strip) takes them out too, and so does this one.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BRASSMOOR_INSTALL_GAMESDIR}/$<TARGET_FILE_NAME:brassmoor>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brassmoor)
set(CPACK_PACKAGE_VENDOR "Brassmoor developers")
set(CPACK_PACKAGE_CONTACT "Brassmoor developers <developers@brassmoor.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small single-player battle-tank game")
# Under the summary, one line a line of the control file, each within 80
# characters.
set(CPACK_PACKAGE_DESCRIPTION "Drive the blue tank with the arrow keys, aim with the mouse and outgun
every other tank on a white battlefield, level after level. Up to 51
outline tanks drive, swing their turrets and shell each other; a tank
survives one hit, and the second leaves a wreck in everyone's way.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brassmoor.org/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_STRIP_FILES ON)
include(CPack)
