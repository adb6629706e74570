# The Debian package made by CPack from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qvmmirvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "File manager with tools, in Danish")
set(CPACK_PACKAGE_DESCRIPTION "qvmMirvel is a file manager for one user with a Danish user interface:
explorer windows with folder trees, path tabs, history, favourites and a
clipboard of their own for copying and moving folders and files, and tool
windows around them.")
set(CPACK_PACKAGE_CONTACT "qvmMirvel developers <noreply@qvmmirvel.invalid>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "qvmMirvel developers <noreply@qvmmirvel.invalid>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from the shared-library scan; the MIME database is read, not linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "shared-mime-info")
# Qt's own dialogs in Danish, and windows of their own on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
