# The Debian package: cpack -G DEB --config build/CPackConfig.cmake (scripts/package does it all).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvelane)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Orvelane developers")
set(CPACK_PACKAGE_CONTACT "The Orvelane developers <developers@orvelane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Wrapped by hand: the package tools show each line as it is.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Orvelane finds what can be reclaimed in your home folder: application caches,"
    "log files, developer caches, regenerable project folders such as node_modules"
    "or a Cargo target folder, large downloads and installers, and the Trash."
    ""
    "It explains every item with a safety level, a reason and a hint, and removes"
    "nothing until you tick items and confirm; every item is checked against the"
    "disk again right before it is moved to the Trash. The orvelane-cli command"
    "runs the same scan and clean from a terminal. English and Turkish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to the shared-library scan: the QML modules the views import
# and the font the symbols are drawn with.
set(ORVELANE_RUNTIME_PACKAGES
    qml6-module-qtqml
    qml6-module-qtqml-workerscript
    qml6-module-qtquick
    qml6-module-qtquick-controls
    qml6-module-qtquick-layouts
    qml6-module-qtquick-templates
    qml6-module-qtquick-window
    qml6-module-qt5compat-graphicaleffects
    fonts-material-design-icons-iconfont)
list(JOIN ORVELANE_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, hicolor-icon-theme")

include(CPack)
