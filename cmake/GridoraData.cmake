# The files that ship with the program and that it reads at run time (the
# help document, the game template and its images) all live in data/.
# Installed they go to share/gridora as one folder; in the build tree every
# program that reads them gets a copy beside its executable. ApplicationFolder
# (src/system/app_paths.h) finds them in either place.
include(GNUInstallDirs)

set(GRIDORA_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(GRIDORA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/gridora)
# The data folder as seen from the installed executables ("../share/gridora").
file(RELATIVE_PATH GRIDORA_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/gridora)
# The folder of gridora-solve's PDF module as seen from the executables.
set(GRIDORA_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/gridora)
file(RELATIVE_PATH GRIDORA_MODULE_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/gridora)

# Copies data/ beside the executable of `target` whenever a file of it
# changes, so that the build tree's program finds what the installed one
# finds in share/gridora.
function(gridora_data_beside target)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${GRIDORA_DATA_DIR}/*)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_data.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${GRIDORA_DATA_DIR} $<TARGET_FILE_DIR:${target}>
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${files}
    COMMENT "Copying the data folder beside ${target}"
    VERBATIM)
  add_custom_target(${target}_data DEPENDS ${stamp})
  add_dependencies(${target} ${target}_data)
endfunction()
