# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# The web program: korvane.js and korvane.wasm, and the page that loads them
# (index.html, Qt's loader and the icons) gathered in web/ of the build
# folder. The release archive is made by scripts/package-web.

# A browser lets a page use only the fonts it brings: the program carries
# the design's stand-in faces, as fonts-liberation has them.
set(korvane_font_folder /usr/share/fonts/truetype/liberation)
qt_add_resources(korvane carried_fonts
    PREFIX /fonts
    BASE ${korvane_font_folder}
    FILES
        ${korvane_font_folder}/LiberationSans-Regular.ttf
        ${korvane_font_folder}/LiberationSans-Bold.ttf
        ${korvane_font_folder}/LiberationSerif-Regular.ttf
        ${korvane_font_folder}/LiberationSerif-Bold.ttf)

set(korvane_page ${CMAKE_CURRENT_BINARY_DIR}/web)
set(korvane_page_files
    ${PROJECT_SOURCE_DIR}/packaging/web/index.html
    ${PROJECT_SOURCE_DIR}/packaging/web/manifest.webmanifest
    ${PROJECT_SOURCE_DIR}/res/icons/korvane-32.png
    ${PROJECT_SOURCE_DIR}/res/icons/korvane-64.png
    ${PROJECT_SOURCE_DIR}/res/icons/korvane-192.png
    ${PROJECT_SOURCE_DIR}/res/icons/korvane-256.png
    ${PROJECT_SOURCE_DIR}/res/icons/korvane-512.png)
# The page's own files follow their sources, whether the program is linked
# again or not.
set(korvane_page_copies)
foreach(file IN LISTS korvane_page_files)
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${korvane_page}/${name}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${korvane_page}
        COMMAND ${CMAKE_COMMAND} -E copy ${file} ${korvane_page}/${name}
        DEPENDS ${file}
        VERBATIM)
    list(APPEND korvane_page_copies ${korvane_page}/${name})
endforeach()
add_custom_target(korvane_page ALL DEPENDS ${korvane_page_copies})
add_custom_command(TARGET korvane POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${korvane_page}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${CMAKE_CURRENT_BINARY_DIR}/qtloader.js
            ${CMAKE_CURRENT_BINARY_DIR}/korvane.js
            ${CMAKE_CURRENT_BINARY_DIR}/korvane.wasm
            ${korvane_page}
    VERBATIM)

# The service worker names the set of the page's files by their contents, so
# it is written after both the program and the page's own files.
set(korvane_kept_files index.html manifest.webmanifest qtloader.js korvane.js korvane.wasm
    korvane-32.png korvane-64.png korvane-192.png korvane-256.png korvane-512.png)
add_custom_target(korvane_service_worker ALL
    COMMAND ${CMAKE_COMMAND} -DPAGE=${korvane_page} "-DFILES=${korvane_kept_files}"
            -DTEMPLATE=${PROJECT_SOURCE_DIR}/packaging/web/sw.js.in
            -P ${PROJECT_SOURCE_DIR}/cmake/ServiceWorker.cmake
    VERBATIM)
add_dependencies(korvane_service_worker korvane korvane_page)
