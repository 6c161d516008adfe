# Run by cpack once the package's files are staged (usr/... under
# CPACK_TEMPORARY_DIRECTORY), for what Debian asks of a package and an
# install of one's own does not need.
set(usr ${CPACK_TEMPORARY_DIRECTORY}/usr)
if(NOT EXISTS ${usr}/bin/orbel-chess)
  message(FATAL_ERROR "deb_package: no usr/bin/orbel-chess in ${CPACK_TEMPORARY_DIRECTORY}")
endif()

# Debian keeps games in /usr/games, which is on its users' PATH: the desktop
# entry starts the game by name from there.
file(MAKE_DIRECTORY ${usr}/games)
file(RENAME ${usr}/bin/orbel-chess ${usr}/games/orbel-chess)
file(GLOB left ${usr}/bin/*)
if(NOT left)
  file(REMOVE_RECURSE ${usr}/bin)
endif()

# Stripped as Debian strips: the compiler's notes go too.
execute_process(COMMAND ${CPACK_ORBEL_STRIP} --remove-section=.comment --remove-section=.note
                        ${usr}/games/orbel-chess
                COMMAND_ERROR_IS_FATAL ANY)

# lintian's spelling check meets a message text that is kept word for word.
file(WRITE ${usr}/share/lintian/overrides/orbel-chess
  "# \"occured\" is part of a message the game shows word for word.\n"
  "orbel-chess: spelling-error-in-binary occured occurred [usr/games/orbel-chess]\n")
