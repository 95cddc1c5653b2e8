# The Debian package (make deb, or cpack -G DEB in a build folder). Its dependencies are what
# dpkg-shlibdeps finds in the programs plus what Qt loads at run time, which the linker cannot see.

# Debian wants the changelog and copyright in the package's documentation folder, the changelog
# compressed without a name or time stamp.
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog > changelog.gz
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog
    COMMENT "Compressing the changelog")
add_custom_target(package-changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tornivo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tornivo)
set(CPACK_PACKAGE_VENDOR "The Tornivo developers")
set(TORNIVO_PACKAGE_MAINTAINER "The Tornivo developers <maintainers@tornivo.org>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${TORNIVO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find what fills your disk and free space safely")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tornivo finds what fills your home folder and shows it with sizes:
application caches and logs, large files not opened for months, duplicates,
leftover installers and build outputs of old projects. It removes only what
you choose: junk and build outputs are deleted, files go to the Trash where
the file manager can restore them.
.
It also maps where the space went, uninstalls applications with their
leftovers, shreds the Trash, shows processor, memory and disk figures and
runs maintenance tasks; those that need administrator rights go through a
small helper and polkit. tornivo-cli does the same work from a terminal.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The QML modules the views import (scripts/check-package checks that the application loads no
# other) and Qt's SVG plugins, which draw icons given by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtqml, qml6-module-qtqml-workerscript, qml6-module-qtquick, \
qml6-module-qtquick-window, qml6-module-qtquick-controls, qml6-module-qtquick-templates, \
qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, qml6-module-qt5compat-graphicaleffects, libqt6svg6")
# The password prompt of the maintenance tasks and the sound cues; the rest works without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pkexec, sound-theme-freedesktop")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Installed into a staging root with DESTDIR, so that polkit's folder, which is absolute, lands in
# the package rather than on the build machine.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
