# Where an installed copy puts its files, and the Debian package made from
# them (cpack -G DEB, or scripts/package).
include(GNUInstallDirs)

set(PARVELA_HELPER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/parvela-yonetim)
# The program finds its helpers by this path, taken from its own folder.
file(RELATIVE_PATH PARVELA_HELPERS_FROM_BIN
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
  ${CMAKE_INSTALL_PREFIX}/${PARVELA_HELPER_DIR})

function(parvela_install_files)
  # Resolved at start-up, as Debian's hardened programs are (lintian's bindnow).
  foreach(program parvela-yonetim parvela-sheet-reader)
    target_link_options(${program} PRIVATE $<$<CONFIG:Release>:LINKER:-z,now>)
  endforeach()
  install(TARGETS parvela-yonetim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS parvela-sheet-reader RUNTIME DESTINATION ${PARVELA_HELPER_DIR})
  set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
  install(FILES ${desktop}/parvela-yonetim.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${desktop}/parvela-yonetim.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${desktop}/parvela-yonetim-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME parvela-yonetim.png)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/sql/schema.sql ${PROJECT_SOURCE_DIR}/sql/demo.sql
          DESTINATION ${CMAKE_INSTALL_DATADIR}/parvela-yonetim/sql)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/sql/demo-images
          DESTINATION ${CMAKE_INSTALL_DATADIR}/parvela-yonetim/sql)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/resources/desktop/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/parvela-yonetim)
  parvela_install_compressed_docs()
endfunction()

# Debian wants the changelog and the manual page compressed, and the same
# bytes from every build: gzip -9n keeps no name and no time.
function(parvela_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9n -c ${source} > ${output}
    DEPENDS ${source} VERBATIM)
endfunction()

function(parvela_install_compressed_docs)
  set(out ${PROJECT_BINARY_DIR}/packaging)
  configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/changelog.in ${out}/changelog @ONLY)
  parvela_gzip(${out}/changelog ${out}/changelog.gz)
  parvela_gzip(${PROJECT_SOURCE_DIR}/docs/parvela-yonetim.1 ${out}/parvela-yonetim.1.gz)
  add_custom_target(parvela-compressed-docs ALL
    DEPENDS ${out}/changelog.gz ${out}/parvela-yonetim.1.gz)
  install(FILES ${out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/parvela-yonetim)
  install(FILES ${out}/parvela-yonetim.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parvela-yonetim)
set(CPACK_PACKAGE_VENDOR "Parvela")
set(CPACK_PACKAGE_CONTACT "Parvela maintainers <maintainers@parvela.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Menu and stock management of a restaurant point of sale")
# Debian shows the long description as it is: lines under 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Keeps the products, category tree, recipes and their cost, bundle menus,\n"
  "prices, discounts, button colours and pictures that the tills, kitchen\n"
  "printers, scales and web menu show, on the suite's shared MariaDB server;\n"
  "makes scale PLU files, barcode labels, branch transfer files, HTML menus and\n"
  "spreadsheets.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries' own packages, found by dpkg-shlibdeps from the binaries;
# the window system plugins and the server client are not linked, so named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core, cups-client")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "mariadb-server")
include(CPack)
