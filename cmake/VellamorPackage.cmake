# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack from the install rules:
#
#   cd build && cpack -G DEB        ->  vellamor_<version>_<arch>.deb
#
# Run-time dependencies come from the program's libraries (dpkg-shlibdeps)
# and, for what the scan cannot see, by hand: the zones' history that the
# atlas reads through QTimeZone, and the platform plugins that Qt loads to
# show a window.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellamor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vellamor developers")
set(CPACK_PACKAGE_CONTACT "The Vellamor developers <maintainers@vellamor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudarshan Chakra of a birth chart in Vedic astrology")
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "From one person's birth data Vellamor computes the sidereal Sun, Moon,
planets, Rahu, Ketu and the Ascendant, marks the planets that are retrograde
on the birth day from built-in station tables, and draws the Sudarshan
Chakra: three twelve-house rings counted from the signs of the Ascendant
(Lagna), the Moon (Chandra) and the Sun (Surya).
.
An offline atlas fills the birth place's coordinates and time zone. Charts
are kept in small .sud files, printed, or exported as PNG, SVG or PDF; a
headless command line writes JSON, text and chart sheets.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vellamor.example/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libswe2.0 comes through shlibdeps; its data files are a package of their
# own, which precise charts need for their full accuracy.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, qt6-qpa-plugins, swe-basic-data")
# The chart's labels are set in Verdana, else DejaVu Sans or Liberation Sans;
# the Hindi windows need a Devanagari font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-dejavu-core | fonts-liberation, fonts-lohit-deva | fonts-noto-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
