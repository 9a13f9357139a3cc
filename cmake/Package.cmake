# The Debian package, made from an existing build by `cpack -G DEB` in the build folder:
# vantrel_<version>_<arch>.deb with what `cmake --install` puts under /usr, the copyright and
# changelog in /usr/share/doc/vantrel. Its dependencies are read from the programs' shared
# libraries by dpkg-shlibdeps.

set(VANTREL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vantrel)
install(FILES data/debian/copyright DESTINATION ${VANTREL_DOC_DIR})
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog)
add_custom_target(debian_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${VANTREL_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "The Vantrel developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Vantrel developers <developers@vantrel.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The pages' caption widths are made for Arial's metrics, which Liberation Sans shares; the help
# guide opens with the desktop's application through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, xdg-utils")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for flow in pipes and pipe fittings")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantrel is a desktop calculator for flow in pipes and pipe fittings. Each tab
is one hydraulic formula: Hazen-Williams, Colebrook-White and Manning pipe
friction, the orifice plate, and the loss coefficients of bends, valves,
inlets and outlets, sudden expansions and contractions. Any variable of a page
can be made the unknown; every value committed re-solves it numerically, in SI
or US customary units. The pages are read from a rich-text data file that a
word processor can change.
.
vantrel-solve computes a page from the command line, as the window does.")
include(CPack)
