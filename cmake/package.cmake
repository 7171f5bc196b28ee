# The Debian package, made by CPack from what cmake/install.cmake installs (scripts/package runs
# it): the programs, the launcher, the icons, the metainfo and the design files' MIME type, under
# /usr, as varnloft_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};varnloft;/")
set(CPACK_PACKAGE_NAME varnloft)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tellwick Picnic Tables")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design picnic tables and print their building plans")
# Debian wants the long description's lines under 80 columns; they are kept as written here.
set(CPACK_PACKAGE_DESCRIPTION
    "Varnloft designs wooden picnic tables built from standard framing lumber,
in imperial or metric measure, from typed dimensions or one of ten preset
designs. It works out the end frames (leg and brace angles, member lengths,
bolt holes, squaring diagonals), draws the table and a plan sheet of every
member to cut, and prints the building plans.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Varnloft developers <dev@varnloft.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VARNLOFT_HOMEPAGE})
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Installed programs without their debugging information.
set(CPACK_STRIP_FILES ON)

# dpkg-shlibdeps adds the libraries the programs link (Qt 6, whose GUI library also holds the X11
# platform plugin, and its SVG library for the SVG exports; libjpeg; the C++ runtime). The list
# below holds what it cannot see: Liberation Sans (the metric twin of the Arial the windows and
# plans ask for) and the MIME database, whose trigger registers the design files' type. Further
# packages go into this list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(VARNLOFT_DEB_DEPENDS fonts-liberation shared-mime-info)
list(JOIN VARNLOFT_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
