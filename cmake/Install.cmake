# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# Where `cmake --install` puts things: the usual XDG places under the prefix,
# so a desktop finds the program in its menu, with its icon, and software
# centres find its description.
include(GNUInstallDirs)

install(TARGETS korvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (cpack's, or cmake --install --strip) strips as Debian's
# dh_strip does: also the compiler's notes, which nothing at run time reads.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/korvane\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
install(FILES res/korvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(res/io.github.korvane.korvane.metainfo.xml.in io.github.korvane.korvane.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/io.github.korvane.korvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The man page and the package's documents carry the publisher's addresses,
# so they are made from templates; man pages and changelogs are gzipped as
# Debian does (-n: no name or time stamp, so the same input gives the same file).
configure_file(docs/korvane.1.in korvane.1 @ONLY)
configure_file(packaging/changelog.in changelog @ONLY)
configure_file(packaging/copyright.in copyright @ONLY)
find_program(KORVANE_GZIP gzip REQUIRED)
foreach(doc korvane.1 changelog)
    add_custom_command(OUTPUT ${doc}.gz
        COMMAND ${KORVANE_GZIP} -9nkf ${doc}
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${doc}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        VERBATIM)
endforeach()
add_custom_target(korvane_docs ALL DEPENDS korvane.1.gz changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/korvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

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
