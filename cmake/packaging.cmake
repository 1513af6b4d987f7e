# The installable package made by `cpack` from the install rules: a Debian package on Linux (see
# tools/package.sh), a ZIP of the installed tree elsewhere.
set(TESMARA_MAINTAINER "Tesmara developers <tesmara@example.org>"
    CACHE STRING "The maintainer named in the package")

set(CPACK_PACKAGE_NAME tesmara)
set(CPACK_PACKAGE_VENDOR "Tesmara")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TESMARA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "linear functions on a lattice for Japanese lower-secondary students")
# Debian shows the description line by line, so the lines are kept short (a Japanese character is
# two columns wide).
set(CPACK_PACKAGE_DESCRIPTION
    "Tesmara (テスマラ) is a desktop program with which Japanese lower-secondary
students learn linear functions. On a coordinate plane with a lattice they
draw straight lines, segments, rays and points by clicking lattice points;
each graph is listed with its exact equation, its domain and range, slope,
intercept and a table of values. Teachers keep drawings as units, and
students practise a unit's questions. Every text of the program is Japanese.

中学生が一次関数を学ぶためのプログラムです。格子点をクリックして
直線・線分・半直線・点をかくと、約分した分数の式、変域、傾き、切片、
関数の表が示されます。先生は図を単元として保存し、生徒は単元の問題で
練習できます。")
# The programs are installed stripped; the debugging build is the developers' own.
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_NAME tesmara)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # The Qt and ICU libraries come from dpkg-shlibdeps (dpkg-dev). The canvas draws its texts with
    # IPA Gothic and its formulas' letters with URW Bookman, and a fallback font would move pixels,
    # so both are needed; Qt's translations only put its own dialogs into Japanese.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-urw-base35")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
    # No maintainer scripts: the menu, the icon cache and the MIME database are brought up to date
    # by the dpkg triggers of desktop-file-utils, hicolor-icon-theme and shared-mime-info.
else()
    set(CPACK_GENERATOR ZIP)
endif()

include(CPack)
