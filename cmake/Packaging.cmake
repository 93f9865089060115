# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# `cpack -G DEB` (run in the build directory) makes a Debian package of what
# `cmake --install` installs.
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR "The Korvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching animation of light through slits")
set(CPACK_PACKAGE_DESCRIPTION
    "Light passes through a diaphragm with 2, 3, 4 or 20 slits; for each point of the screen the slits' \
phasors are added end to end, rays are drawn from the slits and the interference profile builds up \
column by column.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY korvane)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Korvane developers <korvane@invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries it links (Qt 6 Core, Gui, Widgets and the C++ runtime) are
# found by dpkg-shlibdeps with their minimum versions; the fonts that stand in
# for the design's faces are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")

include(CPack)
