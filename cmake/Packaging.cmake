# What `cmake --install` puts on a Linux system, and the Debian package CPack makes of it.
include(GNUInstallDirs)

set(TAVELO_APP_ID "invalid.tablerotavelo.CorvaneTaveloWindow2")
set(TAVELO_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/tablero-tavelo")

install(TARGETS CorvaneTaveloWindow2 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/${TAVELO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/${TAVELO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Board files (*.tavelo) open with the board from the desktop's file manager.
install(FILES resources/${TAVELO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${TAVELO_APP_ID}.xml)
foreach(size 16 24 32 48 64 128 256)
    install(FILES resources/icons/${size}x${size}/${TAVELO_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES resources/icons/scalable/${TAVELO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian wants the manual page and the changelog compressed, reproducibly (no name, no time).
set(compressed "${CMAKE_CURRENT_BINARY_DIR}/compressed")
foreach(source packaging/CorvaneTaveloWindow2.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${compressed}/${name}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed}
                       COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/${source} > ${compressed}/${name}.gz
                       DEPENDS ${source})
    list(APPEND compressed_files ${compressed}/${name}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_files})
install(FILES ${compressed}/CorvaneTaveloWindow2.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${compressed}/changelog.gz packaging/copyright DESTINATION ${TAVELO_DOC_DIR})

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tablero-tavelo")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The Tablero Tavelo developers <maintainers@tablero-tavelo.invalid>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "board to draw over the screen while presenting it")
# CPack puts the summary first; this is the extended description under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A frameless, always-on-top, translucent board that covers the screen while\n"
    "it is presented in a video call. The desktop stays visible underneath, and\n"
    "the presenter draws over it with the mouse: pen, highlighter, eraser, shapes,\n"
    "lines, arrows and labels, with undo. Pass-through lets clicks reach the\n"
    "windows below while the drawings stay. The annotated screen can be copied\n"
    "or saved, and the drawings survive a crash.")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tablero-tavelo.invalid/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs speak Spanish with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
