# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
# What only a publisher can say: where the program lives, where problems go,
# who answers for the package. Everything that shows these (the title bar, the
# AppStream file, the Debian package, the man page) takes them from here, so a
# publisher sets them once: cmake -DKORVANE_HOMEPAGE_URL=https://… and so on.
set(KORVANE_HOMEPAGE_URL "" CACHE STRING
    "Home page, shown in the title bar and the metadata (https://...); empty for none")
set(KORVANE_BUGTRACKER_URL "" CACHE STRING
    "Where users report problems (https://...); empty for none")
set(KORVANE_MAINTAINER "The Korvane developers <korvane@invalid>" CACHE STRING
    "The package's maintainer, as \"Name <address>\"")
set(KORVANE_SCREENSHOT_URL "" CACHE STRING
    "Web address of docs/korvane-4-slits.png for the AppStream file; empty: <home page>/docs/korvane-4-slits.png")

# The values end up in XML, groff and a C++ string literal; rather than escape
# for each, refuse what none of them could carry safely.
foreach(var KORVANE_HOMEPAGE_URL KORVANE_BUGTRACKER_URL KORVANE_SCREENSHOT_URL)
    if(NOT "${${var}}" STREQUAL "" AND NOT "${${var}}" MATCHES "^https?://[^][ \t\"'<>\\\\`]+$")
        message(FATAL_ERROR "${var} must be an http:// or https:// address without spaces, quotes, "
                            "angle brackets or backslashes; it is \"${${var}}\"")
    endif()
endforeach()
if(NOT KORVANE_MAINTAINER MATCHES "^[^<>\"\\\\@]+ <[^<>@ \t\"\\\\]+@[^<>@ \t\"\\\\]+>$")
    message(FATAL_ERROR "KORVANE_MAINTAINER must read \"Name <user@host>\"; it is \"${KORVANE_MAINTAINER}\"")
endif()

string(REGEX REPLACE "/+$" "" korvane_home "${KORVANE_HOMEPAGE_URL}")
if(KORVANE_SCREENSHOT_URL)
    set(korvane_screenshot "${KORVANE_SCREENSHOT_URL}")
elseif(korvane_home)
    set(korvane_screenshot "${korvane_home}/docs/korvane-4-slits.png")
else()
    # A software centre needs a web address; like the maintainer's @invalid,
    # the reserved .invalid domain says plainly that no publisher gave one.
    set(korvane_screenshot "https://korvane.invalid/docs/korvane-4-slits.png")
endif()

# Ampersands are the one XML special character an address can still hold.
function(korvane_xml_escape out text)
    string(REPLACE "&" "&amp;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# AppStream 1.0 (Debian 13) wants a home page, as a software centre links to
# one; without a publisher's, the reserved .invalid domain stands in, as for
# the screenshot.
set(KORVANE_METAINFO_URLS "")
foreach(kind homepage bugtracker)
    string(TOUPPER "${kind}" upper)
    set(url "${KORVANE_${upper}_URL}")
    if(NOT url AND kind STREQUAL "homepage")
        set(url "https://korvane.invalid/")
    endif()
    if(url)
        korvane_xml_escape(url "${url}")
        string(APPEND KORVANE_METAINFO_URLS "<url type=\"${kind}\">${url}</url>\n  ")
    endif()
endforeach()

# The package is for the Debian it is built on, and the two AppStreams name
# the developer differently: 1.0 (Debian 13) in <developer>, calling
# <developer_name> deprecated; 0.16 (Debian 12) knows only <developer_name>.
# Without appstreamcli to ask, the current form.
find_program(KORVANE_APPSTREAMCLI appstreamcli)
set(korvane_appstream_version "")
if(KORVANE_APPSTREAMCLI)
    execute_process(COMMAND "${KORVANE_APPSTREAMCLI}" --version OUTPUT_VARIABLE korvane_appstream_version
                    ERROR_QUIET RESULT_VARIABLE korvane_appstream_status)
    string(REGEX MATCH "[0-9]+\\.[0-9]+(\\.[0-9]+)?" korvane_appstream_version "${korvane_appstream_version}")
endif()
if(korvane_appstream_version AND korvane_appstream_version VERSION_LESS 1.0)
    set(KORVANE_METAINFO_DEVELOPER "<developer_name>The Korvane developers</developer_name>")
else()
    set(KORVANE_METAINFO_DEVELOPER
        "<developer id=\"io.github.korvane\">\n    <name>The Korvane developers</name>\n  </developer>")
endif()
korvane_xml_escape(KORVANE_METAINFO_SCREENSHOT "${korvane_screenshot}")

# Where the man page sends a user with a problem: the bug tracker, else the
# home page, else whoever gave them their copy.
if(KORVANE_BUGTRACKER_URL)
    set(KORVANE_MAN_REPORTING "Please report problems at\n.UR ${KORVANE_BUGTRACKER_URL}\n.UE .")
elseif(KORVANE_HOMEPAGE_URL)
    set(KORVANE_MAN_REPORTING "Please report problems through the home page,\n.UR ${KORVANE_HOMEPAGE_URL}\n.UE .")
else()
    set(KORVANE_MAN_REPORTING
        "This build names no bug tracker; please report problems to whoever\nprovided your copy of \\fBkorvane\\fR.")
endif()

# The copyright file's Source field, when there is a home page to point to.
set(KORVANE_COPYRIGHT_SOURCE "")
if(KORVANE_HOMEPAGE_URL)
    set(KORVANE_COPYRIGHT_SOURCE "Source: ${KORVANE_HOMEPAGE_URL}\n")
endif()
