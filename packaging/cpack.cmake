# The Debian package of the drill (`make package`): the program in /usr/bin with
# its desktop entry, metainfo and icons. Its dependencies are the shared
# libraries the program links (found by dpkg-shlibdeps, so the Qt libraries)
# and the Japanese gothic fonts its window asks for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${OHM_DRILL_EXECUTABLE})
set(CPACK_PACKAGE_VENDOR ${OHM_DRILL_COMPANY_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${OHM_DRILL_SUMMARY} (${OHM_DRILL_PRODUCT_NAME})")
set(CPACK_PACKAGE_DESCRIPTION
    "A drill for school pupils on a series circuit of two resistors and a cell:\n"
    "ten random questions a run asking for a current, a voltage or a resistance,\n"
    "answered with an on-screen keypad, marked at once and scored. The window is\n"
    "in Japanese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT ${OHM_DRILL_COMPANY_NAME})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
