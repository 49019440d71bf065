# Installing like a Linux program: the two programs; the files they open (the
# manual, the readme and the control file header) in share/tabrix, where the
# programs look when those files are not beside them; the desktop entry, the
# MIME type of control files and the icon; and a Debian package of it all
# (cpack -G DEB, see scripts/package).
include(GNUInstallDirs)

set(TABRIX_INSTALLED_FILES_DIR ${CMAKE_INSTALL_DATADIR}/tabrix)
file(RELATIVE_PATH TABRIX_INSTALLED_FILES_FROM_BIN
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/tabrix)
set_source_files_properties(src/app/ShippedFiles.cpp PROPERTIES
  COMPILE_DEFINITIONS TABRIX_INSTALLED_FILES_FROM_BIN="${TABRIX_INSTALLED_FILES_FROM_BIN}")

install(FILES docs/CtrlHeader.txt docs/Readme.txt DESTINATION ${TABRIX_INSTALLED_FILES_DIR})
install(FILES docs/manual/index.html DESTINATION ${TABRIX_INSTALLED_FILES_DIR} RENAME Tabrix.html)
if(TARGET tabrix-cli)
  install(TARGETS tabrix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET tabrix)
  install(TARGETS tabrix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES data/tabrix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/tabrix-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tabrix.xml)
  # The icon files come from tabrix_icons (src/ui).
  install(DIRECTORY ${PROJECT_BINARY_DIR}/icons/hicolor/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()

set(CPACK_PACKAGE_NAME tabrix)
set(CPACK_PACKAGE_VENDOR velm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of Shift-JIS delimited data files")
set(CPACK_PACKAGE_DESCRIPTION "Tabrix opens comma, TAB and space delimited Shift-JIS data as a paged
grid: edit cells, restructure rows and columns, convert text, filter,
aggregate, check the data against a per-file column schema (the .ctrl
control file) and save it whole, split or filtered, without a byte changed
that was not changed. tabrix-cli does the same work in batch jobs.")
set(CPACK_PACKAGE_CONTACT "Tabrix developers <tabrix@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the programs link come from dpkg-shlibdeps; the grid's font
# and Qt's own Japanese texts are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, qt6-translations-l10n")
# The desktop, MIME and icon caches are refreshed by the triggers of
# desktop-file-utils, shared-mime-info and the icon theme.
include(CPack)
