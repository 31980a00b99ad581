# What `cmake --install` puts where, and the Debian package CPack makes of it
# (scripts/package.sh). Paths are relative to the prefix (/usr for the package).
include(GNUInstallDirs)
set(VAGARIS_APP_ID io.github.vagaris.Vagaris)
set(VAGARIS_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

# The window and the command-line tool sit side by side.
install(TARGETS vagaris vagaris-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${VAGARIS_PACKAGING}/${VAGARIS_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VAGARIS_PACKAGING}/${VAGARIS_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VAGARIS_PACKAGING}/icons/${VAGARIS_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNGs are made from the SVG by scripts/icons.sh and kept in the sources.
foreach(size 16 22 24 32 48 64 128 256 512)
    install(FILES ${VAGARIS_PACKAGING}/icons/hicolor/${size}x${size}/${VAGARIS_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The first start offers to copy these into the user's program folder.
install(FILES
        ${CMAKE_SOURCE_DIR}/data/samples/CometsCR.dat
        ${CMAKE_SOURCE_DIR}/data/samples/NeosAndUnusualCR.dat
        ${CMAKE_SOURCE_DIR}/data/samples/CriticalListCR.dat
        ${CMAKE_SOURCE_DIR}/data/samples/DistantObjectsCR.dat
        ${CMAKE_SOURCE_DIR}/data/samples/BrightMinorPlanetsCR.dat
        ${CMAKE_SOURCE_DIR}/data/samples/MPCORB.excerpt.dat
        ${CMAKE_SOURCE_DIR}/data/samples/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vagaris/samples)
# Each installed catalog carries the date of its data (data/samples/README.md), not that of
# the checkout: the first start copies it with that date, and the catalog-age warning then
# says how old the elements really are.
foreach(dated
        "CometsCR.dat=2026-05-31" "NeosAndUnusualCR.dat=2019-07-02"
        "CriticalListCR.dat=2025-11-21" "DistantObjectsCR.dat=2019-04-27"
        "BrightMinorPlanetsCR.dat=2025-11-21")
    string(REPLACE "=" ";" dated "${dated}")
    list(GET dated 0 file)
    list(GET dated 1 day)
    install(CODE "execute_process(COMMAND touch -d \"${day} 00:00:00 UTC\"
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/vagaris/samples/${file}\"
        COMMAND_ERROR_IS_FATAL ANY)")
endforeach()

# Manual pages, compressed as Debian wants them: English in man1, Spanish in es/man1.
# vagaris-cli(1) is printed by vagaris-cli itself from the texts of its --help, in each
# language, so the two cannot disagree.
set(VAGARIS_MAN_DIR ${CMAKE_BINARY_DIR}/man)
add_custom_command(
    OUTPUT ${VAGARIS_MAN_DIR}/en/vagaris-cli.1.gz ${VAGARIS_MAN_DIR}/en/vagaris.1.gz
           ${VAGARIS_MAN_DIR}/es/vagaris-cli.1.gz ${VAGARIS_MAN_DIR}/es/vagaris.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VAGARIS_MAN_DIR}/en ${VAGARIS_MAN_DIR}/es
    COMMAND sh -c "\"$1\" --lang en --manual-page | gzip -9n > \"$2\"" sh
            $<TARGET_FILE:vagaris-cli> ${VAGARIS_MAN_DIR}/en/vagaris-cli.1.gz
    COMMAND sh -c "\"$1\" --lang es --manual-page | gzip -9n > \"$2\"" sh
            $<TARGET_FILE:vagaris-cli> ${VAGARIS_MAN_DIR}/es/vagaris-cli.1.gz
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${VAGARIS_PACKAGING}/vagaris.en.1
            ${VAGARIS_MAN_DIR}/en/vagaris.1.gz
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${VAGARIS_PACKAGING}/vagaris.1
            ${VAGARIS_MAN_DIR}/es/vagaris.1.gz
    DEPENDS vagaris-cli ${VAGARIS_PACKAGING}/vagaris.1 ${VAGARIS_PACKAGING}/vagaris.en.1
    COMMENT "Manual pages"
    VERBATIM)
add_custom_target(vagaris-man ALL
    DEPENDS ${VAGARIS_MAN_DIR}/en/vagaris-cli.1.gz ${VAGARIS_MAN_DIR}/en/vagaris.1.gz
            ${VAGARIS_MAN_DIR}/es/vagaris-cli.1.gz ${VAGARIS_MAN_DIR}/es/vagaris.1.gz)
install(FILES ${VAGARIS_MAN_DIR}/en/vagaris-cli.1.gz ${VAGARIS_MAN_DIR}/en/vagaris.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VAGARIS_MAN_DIR}/es/vagaris-cli.1.gz ${VAGARIS_MAN_DIR}/es/vagaris.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man1)

# Licence and history where Debian looks for them.
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${VAGARIS_PACKAGING}/changelog
            ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS ${VAGARIS_PACKAGING}/changelog
    VERBATIM)
add_custom_target(vagaris-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${VAGARIS_PACKAGING}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vagaris)

# The Debian package: scripts/package.sh runs cpack -G DEB in a build configured for /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vagaris)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vagaris")
set(CPACK_PACKAGE_CONTACT "Vagaris developers <vagaris@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "comet and minor planet observing planner")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # vagaris_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's layout is drawn for DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Qt's own texts (standard buttons, file dialogs) in Spanish when the interface is Spanish; the
# first start's list of cities: the city database of kstars-data, read with Qt's SQLite driver
# (a plugin, which the computed dependencies do not see).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, kstars-data, libqt6sql6-sqlite")
# The extended description; CPack puts the summary line above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vagaris predicts where a comet or minor planet is in the sky and how well it
can be observed, from the orbital-element catalogs of the IAU Minor Planet
Center: positions, distances, magnitude, motion, the best altitude in darkness,
ephemeris tables, charts, an orbit drawing among the planets with animation and
GIF export, a Tisserand diagram and a search for anti-tail geometry. The
interface is in English or Spanish.

The package holds the window (vagaris), the command-line tool (vagaris-cli)
and sample catalogs.")
include(CPack)
