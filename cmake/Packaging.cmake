# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# `cpack -G DEB` (run in the build directory) makes a Debian package of what
# `cmake --install` installs.
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR "The Korvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching animation of light through slits")
# Debian wants the long description in lines of at most 80 characters.
# CPack puts the summary on the first line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Light passes through a diaphragm with 2, 3, 4 or 20 slits and falls on a
screen. For each point of the screen the waves from the slits are added as
phasors, end to end into a chain; rays are drawn from the slits, and the
interference profile builds up column by column, so that a class sees where
the chains close up into darkness and where they line up into a bright
maximum.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY korvane)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KORVANE_MAINTAINER}")
if(KORVANE_HOMEPAGE_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KORVANE_HOMEPAGE_URL}")
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries it links (Qt 6 Core, Gui, Widgets and the C++ runtime) are
# found by dpkg-shlibdeps with their minimum versions; the fonts that stand in
# for the design's faces are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Qt's Wayland platform plugin: without it a Wayland session falls back to
# XWayland and Qt warns about the missing plugin at every start. Qt's own
# translations give the Save dialog and the message boxes the program's
# language; without them those stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# Directories as Debian's own packages have them, whatever the umask of the
# user who builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
