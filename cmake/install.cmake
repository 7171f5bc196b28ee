# Installation as a desktop application: the two programs, the launcher, the icon and the
# AppStream metainfo, in the places desktops and software centres look.
#   cmake --install build --prefix ~/.local          (or /usr/local, as root)
#   xargs rm < build/install_manifest.txt            (uninstall)
include(GNUInstallDirs)

set(VARNLOFT_APP_ID "example.tellwicktables.varnloft")

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
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/varnloft.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/varnloft.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
