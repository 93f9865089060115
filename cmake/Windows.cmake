# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# The Windows program: a GUI program (no console window) with its icon,
# version information and manifest. The release archive is made by scripts/package-windows.
enable_language(RC)
set(KORVANE_ICO ${PROJECT_SOURCE_DIR}/res/icons/korvane.ico)
set(KORVANE_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/generated/korvane.manifest)
configure_file(app/korvane.manifest.in ${KORVANE_MANIFEST} @ONLY)
configure_file(app/korvane.rc.in generated/korvane.rc @ONLY)
target_sources(korvane PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated/korvane.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/generated/korvane.rc PROPERTIES OBJECT_DEPENDS "${KORVANE_ICO};${KORVANE_MANIFEST}")
set_target_properties(korvane PROPERTIES WIN32_EXECUTABLE ON)
# The same sources give the same program: no link time in the PE header.
target_link_options(korvane PRIVATE -Wl,--no-insert-timestamp)
