# The build makes the shipped data into the staging folder ${ZORVANE_LIVRAISON_DIR}: the only
# source of cmake --install and of the package. The build's game folder (${ZORVANE_GAME_DIR})
# gets a copy of each file and is played with: a file played there (options.dat, a set's
# solutions) is copied again only when the build makes a new version of it.
set(ZORVANE_LIVRAISON_DIR ${CMAKE_BINARY_DIR}/livraison)

# zv_dans_le_jeu(<variable> <paths relative to the staging folder>...): copies the shipped files
# into the game's folder; <variable> receives the copies, for the DEPENDS of a target.
function(zv_dans_le_jeu variable)
    set(copies)
    foreach(relatif IN LISTS ARGN)
        set(copie ${ZORVANE_GAME_DIR}/${relatif})
        get_filename_component(dossier ${copie} DIRECTORY)
        add_custom_command(OUTPUT ${copie}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier}
            COMMAND ${CMAKE_COMMAND} -E copy ${ZORVANE_LIVRAISON_DIR}/${relatif} ${copie}
            DEPENDS ${ZORVANE_LIVRAISON_DIR}/${relatif}
            VERBATIM)
        list(APPEND copies ${copie})
    endforeach()
    set(${variable} ${copies} PARENT_SCOPE)
endfunction()
