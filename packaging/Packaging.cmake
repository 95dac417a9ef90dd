# The Debian package a player installs with "apt install ./suoshui_<version>_<arch>.deb". CPack's
# DEB generator packs what "cmake --install" puts under /usr (the program, its desktop entry, icons,
# AppStream file and manual page) together with the two documents every Debian package carries.
#
#     cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release \
#         -DSUOSHUI_BUILD_TESTS=OFF -DSUOSHUI_BUILD_BENCHMARKS=OFF
#     cmake --build build/package --target package
#
# scripts/package.sh builds it this way, with Debian's hardening flags added; scripts/check_package.sh
# checks it, lintian included.
#
# lintian (Debian 12, with --pedantic and --display-info) has nothing to say about the package: no
# error, no warning, no hint. What it says without the following, and where each is fixed:
# - no-manual-page: data/suoshui.1.in is the program's manual page.
# - copyright-without-copyright-notice: packaging/copyright names the year with the holder.
# - binary-has-unneeded-section (.comment): StripPrograms.cmake strips the way Debian's tools do.
# - hardening-no-bindnow: scripts/package.sh links with Debian's flags (dpkg-buildflags); a package
#   built with the two commands above, without those flags, still gets this hint.
# A warning that cannot be fixed is explained here, on a line of the form "# W: <tag>: <why>";
# scripts/check_package.sh fails on any warning that is not.
include_guard(GLOBAL)
include(GNUInstallDirs)

# Debian wants a name and a mail address here. The project has no published address yet; the
# reserved top-level domain ".invalid" keeps the package from pointing at someone else's mailbox
# until a real one is given, as in -DSUOSHUI_PACKAGE_MAINTAINER="Name <address>".
set(SUOSHUI_PACKAGE_MAINTAINER "The suoshui developers <maintainers@suoshui.invalid>"
    CACHE STRING "Maintainer field of the Debian package: a name and a mail address")

find_program(SUOSHUI_GZIP gzip REQUIRED)

# --- The documents under /usr/share/doc/suoshui -------------------------------------------------

# Debian has no licence field in a package's control data: the licence is the copyright file, in
# Debian's machine-readable format. The licence is the MIT licence the AppStream file names.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# "Tue, 08 Dec 2026 00:00:00 +0000" for "2026-12-08", the date form of a Debian change log; lintian
# checks the day of the week against the date.
function(suoshui_changelog_date iso_date out_var)
    if(NOT iso_date MATCHES "^([0-9]+)-([0-9]+)-([0-9]+)$")
        message(FATAL_ERROR "not a date of the form YYYY-MM-DD: ${iso_date}")
    endif()
    set(day_of_month ${CMAKE_MATCH_3})
    math(EXPR year "${CMAKE_MATCH_1}")
    math(EXPR month "${CMAKE_MATCH_2}")
    math(EXPR day "${CMAKE_MATCH_3}")
    # Sakamoto's rule for the day of the week, 0 for Sunday: one offset per month, and January and
    # February count with the year before.
    set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR index "${month} - 1")
    list(GET month_offsets ${index} offset)
    set(y ${year})
    if(month LESS 3)
        math(EXPR y "${y} - 1")
    endif()
    math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
    set(day_names Sun Mon Tue Wed Thu Fri Sat)
    set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET day_names ${weekday} day_name)
    list(GET month_names ${index} month_name)
    set(${out_var} "${day_name}, ${day_of_month} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# The change log is written from the AppStream file's release list (SUOSHUI_RELEASES, read in
# data/), newest first, so that it lists exactly the releases the software centres show. A native
# package (a version without a Debian revision) names it changelog.gz, not changelog.Debian.gz.
if(NOT SUOSHUI_RELEASES)
    message(FATAL_ERROR "no release list: data/CMakeLists.txt reads it and must come first")
endif()
set(changelog "")
foreach(release IN LISTS SUOSHUI_RELEASES)
    string(REPLACE "=" ";" release "${release}")
    list(GET release 0 release_version)
    list(GET release 1 release_date)
    suoshui_changelog_date(${release_date} changelog_date)
    string(APPEND changelog
        "suoshui (${release_version}) unstable; urgency=medium\n\n"
        "  * Release ${release_version}.\n\n"
        " -- ${SUOSHUI_PACKAGE_MAINTAINER}  ${changelog_date}\n\n")
endforeach()
string(REGEX REPLACE "\n\n$" "\n" changelog "${changelog}")
set(changelog_file ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog)
file(WRITE ${changelog_file} "${changelog}")
# Compressed without a name or time stamp in the header, so that two builds give the same file.
execute_process(COMMAND ${SUOSHUI_GZIP} -9n --stdout ${changelog_file}
    OUTPUT_FILE ${changelog_file}.gz
    COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${changelog_file}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# --- The package --------------------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME suoshui)
# The version has one place, project() at the top; the package, the program's --version answer
# and the change log all take it from there.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# suoshui_<version>_<arch>.deb, the name apt and dpkg expect.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_VENDOR "The suoshui developers")
set(CPACK_PACKAGE_CONTACT "${SUOSHUI_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SUOSHUI_PACKAGE_MAINTAINER}")
# The project names no homepage yet (the AppStream file has no <url> either). Once it has one,
# project(... HOMEPAGE_URL ...) at the top fills this field; lintian only asks it of packages that
# are not native, so its absence is not reported.
if(PROJECT_HOMEPAGE_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# A package manager shows the synopsis in one line beside the name, so it stays short and names
# the lotteries in both languages; the long description has an English and a Chinese paragraph.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "number filter for the lotteries Fucai 3D and Pailie 3 (福彩3D、排列3 选号缩水)")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)

# The dependencies are those of the program's libraries (Qt 6 and the C++ runtime), as
# dpkg-shlibdeps finds them, so that they follow whatever the build linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its SQLite driver as a plug-in when the draw history is opened, so no linked library
# names it; without it the program would start with no kept history.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# No library finds the fonts: the window asks for Noto CJK or WenQuanYi by name and draws boxes
# without a Chinese font. Chinese desktops have one already, hence a recommendation only. Qt's
# translations make its own dialogs (files, messages, context menus) speak Chinese; without them
# they speak English and the program still works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-zenhei, qt6-translations-l10n")

# The program is installed under /usr, where the menu and the software centres look.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The program is stripped by a script of ours rather than by CPACK_STRIP_FILES, which leaves the
# ".comment" section that lintian reports (see StripPrograms.cmake).
set(CPACK_SUOSHUI_STRIP "${CMAKE_STRIP}")
set(CPACK_SUOSHUI_BINDIR "${CMAKE_INSTALL_BINDIR}")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripPrograms.cmake)
# Directories the install creates get 0755 whatever the umask of the build, as Debian requires.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
