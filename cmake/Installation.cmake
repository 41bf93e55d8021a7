# cmake --install and the Debian package lay the game out as a Debian game: the executable in
# <prefix>/games, the shipped data in <prefix>/share/games/zorvane, only read by the game, a
# desktop entry, the icon at the sizes of the hicolor theme, the AppStream metainfo, a manual
# page, the copyright and the changelog. The data comes from the staging folder, which holds the
# shipped files only: never from the build's game folder, which is played with. The player's
# files go to $XDG_DATA_HOME/zorvane (see shell/Dossiers.h).
set(ZORVANE_INSTALL_BINDIR games CACHE STRING "Folder of the executable, under the prefix")
set(ZORVANE_INSTALL_DATADIR share/games/zorvane CACHE STRING "Folder of the data, under the prefix")
# The release of this version: the date of its changelog entry and of its metainfo.
set(ZORVANE_DATE 2026-12-10)
set(ZORVANE_DATE_CHANGELOG "Thu, 10 Dec 2026 12:00:00 +0000")
set(ZORVANE_MAINTENEUR "Équipe Zorvane <maintainers@users.noreply.c-seed-8e5ab8eb.example>")

# The executable finds the data from its own folder, wherever the prefix is.
file(RELATIVE_PATH donnees_relatives /${ZORVANE_INSTALL_BINDIR} /${ZORVANE_INSTALL_DATADIR})
target_compile_definitions(zorvane PRIVATE ZORVANE_DONNEES_INSTALLEES="${donnees_relatives}")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(source ${PROJECT_SOURCE_DIR}/data/installation)
set(construit ${CMAKE_BINARY_DIR}/installation)

configure_file(${source}/zorvane.metainfo.xml.in ${construit}/zorvane.metainfo.xml @ONLY)
configure_file(${source}/changelog.in ${construit}/changelog @ONLY)
configure_file(${source}/zorvane.6 ${construit}/zorvane.6 @ONLY)
add_custom_command(
    OUTPUT ${construit}/changelog.gz ${construit}/zorvane.6.gz
    COMMAND gzip -9nkf ${construit}/changelog ${construit}/zorvane.6
    DEPENDS ${construit}/changelog ${construit}/zorvane.6
    COMMENT "Compressing the changelog and the manual page"
    VERBATIM)
add_custom_target(zv_installation ALL DEPENDS ${construit}/changelog.gz ${construit}/zorvane.6.gz)

install(TARGETS zorvane RUNTIME DESTINATION ${ZORVANE_INSTALL_BINDIR})
install(DIRECTORY ${ZORVANE_LIVRAISON_DIR}/ DESTINATION ${ZORVANE_INSTALL_DATADIR})
foreach(cote IN LISTS ZORVANE_TAILLES_ICONE)
    install(FILES ${ZV_IMAGES_DIR}/icones/${cote}x${cote}/zorvane.png
            DESTINATION share/icons/hicolor/${cote}x${cote}/apps)
endforeach()
install(FILES ${construit}/zorvane.metainfo.xml DESTINATION share/metainfo)
install(FILES ${construit}/zorvane.6.gz DESTINATION share/man/man6)
install(FILES ${source}/copyright ${construit}/changelog.gz DESTINATION share/doc/zorvane)
install(FILES ${source}/lintian-overrides DESTINATION share/lintian/overrides RENAME zorvane)
# The desktop entry names the executable by its full path, known only once the prefix is.
install(CODE "
    set(zv_modele \"${source}/zorvane.desktop.in\")
    set(zv_bindir \"${ZORVANE_INSTALL_BINDIR}\")
")
install(CODE [[
    file(READ "${zv_modele}" texte)
    string(REPLACE "@EXECUTABLE@" "${CMAKE_INSTALL_PREFIX}/${zv_bindir}/zorvane" texte "${texte}")
    set(dossier "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications")
    message(STATUS "Installing: ${dossier}/zorvane.desktop")
    file(MAKE_DIRECTORY "${dossier}")
    file(WRITE "${dossier}/zorvane.desktop" "${texte}")
    file(CHMOD "${dossier}/zorvane.desktop" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
]])
