# Installation as a desktop application: the two programs, the launcher, the icons, the AppStream
# metainfo and the design files' MIME type, in the places desktops and software centres look.
#   cmake --install build --prefix ~/.local          (or /usr/local, as root)
#   xargs rm < build/install_manifest.txt            (uninstall)
include(GNUInstallDirs)

set(VARNLOFT_APP_ID "example.tellwicktables.varnloft")
# Everything below belongs to one named component, so that CPack (cmake/package.cmake) installs
# it by name and records its staging files in install_manifest_varnloft.txt, leaving alone the
# install_manifest.txt of a real `cmake --install` that the uninstall line above reads.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME varnloft)

# The maker's web address, read from the one place the program takes it from, so the metainfo
# and the package name the same homepage as the About window.
file(STRINGS ${CMAKE_SOURCE_DIR}/platform/web_address.h _address_line
     REGEX "kMakerWebAddress\\[\\] = \"[^\"]+\"")
string(REGEX MATCH "\"([^\"]+)\"" _ "${_address_line}")
if(NOT CMAKE_MATCH_1)
  message(FATAL_ERROR "no kMakerWebAddress in platform/web_address.h")
endif()
set(VARNLOFT_HOMEPAGE "https://${CMAKE_MATCH_1}")

if(TARGET varnloft)
  install(TARGETS varnloft varnloft-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/varnloft.desktop.in
               ${CMAKE_BINARY_DIR}/install/varnloft.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/metainfo.xml.in
               ${CMAKE_BINARY_DIR}/install/${VARNLOFT_APP_ID}.metainfo.xml @ONLY)

install(FILES ${CMAKE_BINARY_DIR}/install/varnloft.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/install/${VARNLOFT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The design files' type (*.varnloft); the desktop's MIME database picks it up when
# update-mime-database runs (the Debian package's trigger does that).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/varnloft-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME varnloft.xml)
# The program's icon, and its design files' icon (a sheet bearing the same picture).
set(_icons ${CMAKE_SOURCE_DIR}/assets/icons)
install(FILES ${_icons}/varnloft.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${_icons}/varnloft.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${_icons}/application-x-varnloft-design.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/mimetypes)
install(FILES ${_icons}/application-x-varnloft-design.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
