# cmake --install lays out the game's folder under <prefix>/share/zorvane (the executable with
# everything it reads and writes beside it), a launcher in <prefix>/bin, and a desktop entry with
# its icon. The folder must be writable by the player: options and saved games live there.
include(GNUInstallDirs)
set(ZORVANE_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/zorvane)
install(DIRECTORY ${ZORVANE_GAME_DIR}/ DESTINATION ${ZORVANE_INSTALL_DIR} USE_SOURCE_PERMISSIONS)
install(FILES ${CMAKE_BINARY_DIR}/images/icone.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME zorvane.png
        OPTIONAL)
install(CODE [[
    set(dossier "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    file(MAKE_DIRECTORY "${dossier}/bin" "${dossier}/share/applications")
    file(CREATE_LINK "../share/zorvane/zorvane" "${dossier}/bin/zorvane" SYMBOLIC)
    file(WRITE "${dossier}/share/applications/zorvane.desktop"
"[Desktop Entry]
Type=Application
Name=Zorvane
Comment=Jeu de réflexion : la boule, le carré et les zelmites
Exec=${CMAKE_INSTALL_PREFIX}/share/zorvane/zorvane
Icon=zorvane
Terminal=false
Categories=Game;LogicGame;
")
]])
