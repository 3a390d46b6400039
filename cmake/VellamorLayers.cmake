# SPDX-License-Identifier: GPL-3.0-or-later
# Each library sees its own folder and the folders of the libraries it links,
# and nothing else: its include root is a folder in the build tree holding one
# link, named like the source folder, to that folder. `#include "core/..."`
# then works wherever the core is linked, and an include of a layer that is
# not linked fails to compile.
function(vellamor_layer_includes target folder)
  set(root ${PROJECT_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
