# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# Where `cmake --install` puts things: the usual XDG places under the prefix,
# so a desktop finds the program in its menu, with its icon, and software
# centres find its description.
include(GNUInstallDirs)

install(TARGETS korvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES res/korvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/io.github.korvane.korvane.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(korvane_icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES res/icons/korvane.svg DESTINATION ${korvane_icon_theme}/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES res/icons/korvane-${size}.png
            DESTINATION ${korvane_icon_theme}/${size}x${size}/apps
            RENAME korvane.png)
endforeach()

# Qt's project setup points the installed program at $ORIGIN/../lib; it finds
# its libraries in the system's places, where Debian wants them looked up.
set_target_properties(korvane PROPERTIES INSTALL_RPATH "")
