# The Debian package of the tool set: `cpack -G DEB` in the build folder. The library
# dependencies come from dpkg-shlibdeps; the files are those of `cmake --install`.
set(CPACK_PACKAGE_NAME lodrin)
set(CPACK_PACKAGE_VENDOR "The Lodrin developers")
set(CPACK_PACKAGE_CONTACT "The Lodrin developers <lodrin@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sokoban level editor and solution importer")
set(CPACK_PACKAGE_DESCRIPTION
    "LodrinEditor draws Sokoban levels, pastes, copies, saves and normalizes them as XSB
text, tries them in a trial field that plays forward or in reverse with path finding,
recognizes levels from screenshots and draws them with exchangeable skins.
LodrinSolutions imports solutions from older answer stores into an SQLite solution
store. The user interface speaks Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese user interface wants a font with Chinese characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
include(CPack)
