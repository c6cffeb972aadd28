# The Debian package, made by CPack from the install rules above:
#     cmake --build build --target package
# gives build/tarovin_<version>_<arch>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarovin)
set(CPACK_PACKAGE_VENDOR "伍朵")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "casual lion-tapping game with a virtual pet (Traditional Chinese)")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_PACKAGE_CONTACT "伍朵 <${TAROVIN_MAKER_MAIL}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Everything a plain install puts in place, except that the program and its
# menu entry come from the component that keeps it in /usr/games.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
# The build keeps its debugging information; the package does not.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${TAROVIN_MAKER_HOST}/apppage/tarovin.html")
# The libraries the program links come from dpkg-shlibdeps. What it loads
# only at run time has to be named: the Chinese font, Qt's own words in
# Chinese, the SVG picture plugin and the sound backend. On Debian 12 the
# last two ship inside the Qt SVG and Multimedia libraries; naming them keeps
# them in when a derivative splits its plugins out.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n, libqt6svg6, libqt6multimedia6")
# On a Wayland desktop the game runs natively with Qt's Wayland plugin, and
# through XWayland without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
