# The Debian package (`cpack -G DEB` in the build folder, or scripts/package.sh).
#
# An installed program lives in the usual places: itself in /usr/bin, its web module in
# /usr/lib/tomoea/plugins (it finds it there from its own folder), the menu entry, icon,
# AppStream metadata and copyright under /usr/share. Its data then goes to the seller's
# own data folder. These rules are a component of their own, left out of a plain
# `cmake --install`, which keeps installing the portable copy into one folder.

include(GNUInstallDirs)
set(dist ${PROJECT_SOURCE_DIR}/dist)
set(generated ${CMAKE_BINARY_DIR}/dist)

install(TARGETS tomoea RUNTIME DESTINATION bin COMPONENT deb EXCLUDE_FROM_ALL)
install(TARGETS tomoea_webengine LIBRARY DESTINATION lib/tomoea/plugins
        COMPONENT deb EXCLUDE_FROM_ALL)

# In the menus the program is found on the PATH and the icon in the theme, by name.
set(TOMOEA_DESKTOP_EXEC tomoea)
set(TOMOEA_DESKTOP_ICON tomoea)
configure_file(${dist}/tomoea.desktop.in ${generated}/tomoea.desktop @ONLY)
configure_file(${dist}/tomoea.metainfo.xml.in
               ${generated}/org.example.tomoe.tomoea.metainfo.xml @ONLY)

install(FILES ${generated}/tomoea.desktop DESTINATION share/applications
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${dist}/tomoea.svg DESTINATION share/icons/hicolor/scalable/apps
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${generated}/org.example.tomoe.tomoea.metainfo.xml DESTINATION share/metainfo
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${dist}/copyright DESTINATION share/doc/tomoea COMPONENT deb EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
# One package made of the `deb` component alone.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};deb;/")
set(CPACK_PACKAGE_NAME tomoea)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_CONTACT "TomoeA developers <tomoe@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "auction listing page maker for Japanese sellers")
# The summary above is the first line; CPack indents these.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A Japanese desktop tool for people who sell on an online auction service: the
seller fills in an item, the program composes the payment and shipping
paragraphs, writes the item's HTML description from a template, and keeps
drafts, finished and listed items, with backup and restore.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # tomoea_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/tomoe/")
# The libraries come from dpkg-shlibdeps. What it cannot see: the Japanese fonts, Qt's
# Japanese translations, the display plugins and the web engine's page process.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-noto-cjk, qt6-translations-l10n, qt6-qpa-plugins, libqt6webenginecore6-bin")
# Qt itself talks to ibus; fcitx5 needs its front end. The Japanese engines are the
# seller's choice.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5-frontend-qt6")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ibus-mozc | fcitx5-mozc")
include(CPack)
