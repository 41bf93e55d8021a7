# cpack -G DEB: zorvane_<version>_amd64.deb from the install rules, installed under /usr. Depends
# comes from the shared libraries the executable links (dpkg-shlibdeps), plus what it loads at
# run time: the General MIDI sound font and Qt's platform plugins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Équipe Zorvane")
set(CPACK_PACKAGE_CONTACT "${ZORVANE_MAINTENEUR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jeu de réflexion : la boule, le carré et les zelmites")
set(CPACK_PACKAGE_DESCRIPTION [[
Sur un plateau de 16 cases sur 12, vous dirigez deux pièces, une boule et
un carré, l'une après l'autre. Une pièce glisse jusqu'au bord, à un mur ou à
l'autre pièce ; la boule ramasse les zelmites qu'elle traverse et une
zelmite arrête le carré. Le jeu enregistre la plus courte solution de chaque
niveau et peut la rejouer ; son éditeur crée de nouveaux ensembles de
niveaux.]])
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZORVANE_MAINTENEUR}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The desktop entry is written with the final prefix, /usr, not the packaging folder's.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
