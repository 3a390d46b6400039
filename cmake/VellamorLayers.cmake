# SPDX-License-Identifier: GPL-3.0-or-later
# Each library sees its own folder and the folders of the libraries it links,
# and nothing else: its include root is a folder in the build tree holding one
# link, named like the source folder, to that folder. `#include "core/..."`
# then works wherever the core is linked, and an include of a layer that is
# not linked fails to compile.
#
#   vellamor_layer_includes(target folder [file ...])
#
# Further arguments are single files of other folders that the library may
# see without linking their library (a header-only type it shares).
function(vellamor_layer_includes target folder)
  set(root ${PROJECT_BINARY_DIR}/layers/${target})
  foreach(seen IN ITEMS ${folder} ${ARGN})
    cmake_path(GET seen PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    if(NOT EXISTS ${root}/${seen})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${seen} ${root}/${seen} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
