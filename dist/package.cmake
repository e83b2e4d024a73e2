# The Debian package, made by CPack from the install rules
# (scripts/package.sh). Dependencies on shared libraries come from
# dpkg-shlibdeps; the ones below are loaded at run time and no library
# names them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelmarn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quelmarn Team")
set(CPACK_PACKAGE_CONTACT "Quelmarn Team <team@quelmarn.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "everyday system tasks behind one main menu")
# The extended description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quelmarn Manager shows a main menu that opens windows for live system
facts (memory, up-time, mouse), shortcuts to the desktop's settings and
shell actions, system folders and safe file copy, move and delete, network
facts, a notepad, a five-program launcher, a small web browser and a
message-box generator. Its user interface comes from language files; Czech
is the default; English, Slovak and Hungarian are included.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quelmarn.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The web engine's helper process, the X11 and Wayland platform plugins (a
# session that sets QT_QPA_PLATFORM=wayland cannot start the program
# without the latter), the font the fixed-size windows are laid out for,
# Qt's own translations (dialog buttons, the file dialog) for the interface
# language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin, qt6-qpa-plugins, qt6-wayland, fonts-liberation2, qt6-translations-l10n")
# Network shares are mounted through GVfs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gvfs, gvfs-backends")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
