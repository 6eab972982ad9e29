# The Debian package, made from the install rules by `cpack -G DEB` in the
# build folder (or the `package` target): mouse-utility_<version>_<arch>.deb
# with everything under /usr. Its dependencies are the shared libraries the
# binary links (dpkg-shlibdeps) and the QML modules the pages import.
include(${CMAKE_CURRENT_LIST_DIR}/QmlDepends.cmake)
mu_qml_depends(MU_QML_DEPENDS ${PROJECT_SOURCE_DIR}/ui/modules/qml)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mouse-utility)
set(CPACK_PACKAGE_VENDOR "Mouse utility maintainers")
set(CPACK_PACKAGE_CONTACT "Mouse utility maintainers <maintainers@users.noreply.c-seed-6a50376a.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for the ORVANE TALVEK gaming mice")
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Sets the DPI stages, report rate, lighting, button functions, macros and axis
sensitivity of the two ORVANE TALVEK K812 mice, kept in profiles for each
user of the machine. Installs a udev rule that gives the user at the seat
access to these two mice.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${MU_QML_DEPENDS}")
# The native platform of Wayland sessions; X11 comes with the GUI library.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qtwayland5)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/postinst ${CMAKE_CURRENT_LIST_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
