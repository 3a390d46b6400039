# SPDX-License-Identifier: GPL-3.0-or-later
# Finds the Swiss Ephemeris library (Debian: libswe-dev) and its data files
# (Debian: swe-basic-data). The core's precise charts, the station
# generator, the benchmarks and the accuracy report use it.
#
# Defines the imported target SwissEph::SwissEph (the shared library, so a
# package depends on Debian's libswe2.0 and takes its fixes). Where the data files are
# found too, SwissEph_DATA_FOUND is set and the target carries the compile
# definition VELLAMOR_SWISSEPH_EPHE_DIR naming their folder (also in
# SwissEph_EPHE_DIR). The environment variable SE_EPHE_PATH, read by the
# library itself, overrides that folder at run time.

find_path(SwissEph_INCLUDE_DIR swephexp.h)
find_library(SwissEph_LIBRARY NAMES swe)

# The planets' file of the standard 1800-2400 range marks the data folder.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND AND NOT SwissEph_EPHE_DIR)
  pkg_get_variable(_swisseph_pc_ephedir swe ephedir)
endif()
find_path(SwissEph_EPHE_DIR sepl_18.se1
  HINTS ${_swisseph_pc_ephedir}
  PATH_SUFFIXES share/libswe/ephe libswe/ephe)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(SwissEph
  REQUIRED_VARS SwissEph_LIBRARY SwissEph_INCLUDE_DIR)

if(SwissEph_FOUND AND NOT TARGET SwissEph::SwissEph)
  add_library(SwissEph::SwissEph UNKNOWN IMPORTED)
  set_target_properties(SwissEph::SwissEph PROPERTIES
    IMPORTED_LOCATION "${SwissEph_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${SwissEph_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES "m;${CMAKE_DL_LIBS}")
  if(SwissEph_EPHE_DIR)
    set(SwissEph_DATA_FOUND TRUE)
    set_property(TARGET SwissEph::SwissEph PROPERTY INTERFACE_COMPILE_DEFINITIONS
      "VELLAMOR_SWISSEPH_EPHE_DIR=\"${SwissEph_EPHE_DIR}\"")
  endif()
endif()
mark_as_advanced(SwissEph_INCLUDE_DIR SwissEph_LIBRARY SwissEph_EPHE_DIR)
