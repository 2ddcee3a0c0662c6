# Installation as a desktop program: both executables and their data folder
# "Files" (with the picture library) in one private folder, the commands
# linked into bin/, the menu entry, icons, AppStream data and documentation.
#
#   <prefix>/lib/qor-alchemy/{qor-alchemy,qor-alchemy-cli,Files/}
#   <prefix>/bin/{qor-alchemy,qor-alchemy-cli} -> ../lib/qor-alchemy/...
#
# The installed data folder has no write bits, not even for its owner: the
# program takes that as "installed" and keeps Main.ini in the user's
# configuration folder, also when root runs it.

include(GNUInstallDirs)
# Debian keeps a package's documents under the package's name.
set(QOR_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/qor-alchemy)
set(QOR_INSTALL_APPDIR "lib/qor-alchemy" CACHE STRING
  "Folder of the executables and the data folder, relative to the prefix")
# Where software centres find the screenshot: the installed copy unless a
# published one is named.
set(QOR_SCREENSHOT_URL "" CACHE STRING "Screenshot URL in the AppStream data (empty: the installed copy)")
set(QOR_METAINFO_SCREENSHOT ${QOR_SCREENSHOT_URL})
if(NOT QOR_METAINFO_SCREENSHOT)
  set(QOR_METAINFO_SCREENSHOT "file://${CMAKE_INSTALL_PREFIX}/${QOR_INSTALL_DOCDIR}/docs/screenshot.png")
endif()

set(QOR_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(QOR_INSTALLED_DATA_DIR ${QOR_INSTALL_APPDIR}/Files)
set(QOR_READ_ONLY_DIR OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS qor-alchemy qor-alchemy-cli RUNTIME DESTINATION ${QOR_INSTALL_APPDIR})

# A second install into the same prefix must be able to replace the data.
install(CODE "
  set(data_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QOR_INSTALLED_DATA_DIR}\")
  if(IS_DIRECTORY \"\${data_dir}\")
    file(CHMOD \"\${data_dir}\" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Files/ DESTINATION ${QOR_INSTALLED_DATA_DIR}
  FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
install(TARGETS QOR_Bmc LIBRARY DESTINATION ${QOR_INSTALLED_DATA_DIR})
install(CODE "
  file(CHMOD \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QOR_INSTALLED_DATA_DIR}\"
       DIRECTORY_PERMISSIONS ${QOR_READ_ONLY_DIR})")

# Relative links, so that the tree works under any prefix and DESTDIR; the
# program resolves its own path and finds Files beside the real executable.
file(RELATIVE_PATH QOR_BIN_TO_APPDIR ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_PREFIX}/${QOR_INSTALL_APPDIR})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install_links)
foreach(exe qor-alchemy qor-alchemy-cli)
  file(CREATE_LINK ${QOR_BIN_TO_APPDIR}/${exe} ${CMAKE_BINARY_DIR}/install_links/${exe} SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/install_links/${exe} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

configure_file(${QOR_PACKAGING_DIR}/qor-alchemy.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/qor-alchemy.metainfo.xml @ONLY)
install(FILES ${QOR_PACKAGING_DIR}/qor-alchemy.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/qor-alchemy.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${QOR_PACKAGING_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${QOR_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/bmc_format.md ${CMAKE_SOURCE_DIR}/docs/screenshot.png
  DESTINATION ${QOR_INSTALL_DOCDIR}/docs)
