# Installation into the desktop's standard places and the Debian package.
#
#   cmake --install build [--prefix /usr]    installs the game
#   (cd build && cpack -G DEB)               builds burrowbop_<version>-1_<arch>.deb
include(GNUInstallDirs)

set(BURROWBOP_DESKTOP_ID org.example.Burrowbop)
set(BURROWBOP_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(BURROWBOP_ICON_DIR ${PROJECT_SOURCE_DIR}/assets/icons/hicolor)

if(TARGET burrowbop)
    install(TARGETS burrowbop RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The menu entry and its launcher name absolute paths, which are only known
# once the prefix is: cpack installs into /usr whatever the build tree's
# CMAKE_INSTALL_PREFIX says. So they are written at install time.
install(CODE "
    set(BURROWBOP_PACKAGING_DIR \"${BURROWBOP_PACKAGING_DIR}\")
    set(BURROWBOP_DESKTOP_ID \"${BURROWBOP_DESKTOP_ID}\")
    set(BURROWBOP_STAGE_DIR \"${PROJECT_BINARY_DIR}/packaging-stage\")
    set(BURROWBOP_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(BURROWBOP_LIBEXECDIR \"${CMAKE_INSTALL_LIBEXECDIR}\")
    set(BURROWBOP_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/InstallMenuEntry.cmake\")
")

install(FILES ${BURROWBOP_PACKAGING_DIR}/${BURROWBOP_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The desktop icons drawn from the program's own icon, one PNG per size and
# perhaps a scalable one.
if(EXISTS ${BURROWBOP_ICON_DIR})
    install(DIRECTORY ${BURROWBOP_ICON_DIR}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
            FILES_MATCHING
            PATTERN "${BURROWBOP_DESKTOP_ID}.png"
            PATTERN "${BURROWBOP_DESKTOP_ID}.svg")
endif()

# The Debian package.
set(CPACK_PACKAGE_NAME burrowbop)
set(CPACK_PACKAGE_VENDOR "The Burrowbop developers")
set(CPACK_PACKAGE_CONTACT "The Burrowbop developers <maker@burrowbop.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one-player arcade game: knock the rats down")
set(CPACK_PACKAGE_DESCRIPTION
"Rats pop out of nine burrows on a wooden board seen in perspective; the
player knocks them down with a mallet held by a drawn hand that follows the
mouse. A game lasts 59 seconds, and the ten best scores are kept with the
player's name and the date. The texts of the game are in Chinese.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://burrowbop.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries come from shlibdeps; the Chinese texts need a CJK font, which
# no library asks for. The X11 platform plugin ships with libqt6gui6 on
# Debian 12, so shlibdeps covers that too.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
