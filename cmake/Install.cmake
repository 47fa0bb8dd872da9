# The executables go beside their resource bundle in ORVELANE_INSTALL_PKGDIR; PREFIX/bin gets
# relative links to them, so the installed tree works wherever the prefix is moved.

install(TARGETS orvelane orvelane-cli
    RUNTIME DESTINATION "${ORVELANE_INSTALL_PKGDIR}"
    BUNDLE DESTINATION "${ORVELANE_INSTALL_PKGDIR}")

file(RELATIVE_PATH bin_to_pkgdir "/${CMAKE_INSTALL_BINDIR}" "/${ORVELANE_INSTALL_PKGDIR}")
foreach(program orvelane orvelane-cli)
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
        message(STATUS \"Installing: \${link} -> ${bin_to_pkgdir}/${program}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(CREATE_LINK \"${bin_to_pkgdir}/${program}\" \"\${link}\" SYMBOLIC)
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")
    ")
endforeach()

install(FILES "${PROJECT_SOURCE_DIR}/resources/debian/copyright" DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/orvelane")

# Qt's project defaults add $ORIGIN search paths; the programs link only system libraries.
set_target_properties(orvelane orvelane-cli PROPERTIES INSTALL_RPATH "")
