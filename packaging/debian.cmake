# The Debian packages: `tovo`, the client, and `tovo-site`, the community's web host, made by
# CPack from the components `client` and `site` (scripts/package). They are left out of a plain
# `cmake --install`, which lays out the portable program folder.
set(deb ${CMAKE_CURRENT_SOURCE_DIR}/packaging/debian)
set(gen ${CMAKE_BINARY_DIR}/debian)
file(MAKE_DIRECTORY ${gen})

# Compressed as Debian wants them: best compression, no name or time stamp in the header.
set(generated)
foreach(f tovo.6 tovo-site.1 changelog)
    add_custom_command(OUTPUT ${gen}/${f}.gz COMMAND gzip -9n -c ${deb}/${f} > ${gen}/${f}.gz
                       DEPENDS ${deb}/${f} VERBATIM)
    list(APPEND generated ${gen}/${f}.gz)
endforeach()

# The menu's icon sizes, made from the one picture.
set(iconSizes 16 22 24 32 48 64 128)
find_program(CONVERT convert)
if(CONVERT)
    foreach(n ${iconSizes})
        add_custom_command(OUTPUT ${gen}/icons/${n}/tovo.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${gen}/icons/${n}
            COMMAND ${CONVERT} ${CMAKE_CURRENT_SOURCE_DIR}/packaging/tovo.png -resize ${n}x${n} -strip
                    -define png:exclude-chunks=date,time ${gen}/icons/${n}/tovo.png
            DEPENDS packaging/tovo.png VERBATIM)
        list(APPEND generated ${gen}/icons/${n}/tovo.png)
        install(FILES ${gen}/icons/${n}/tovo.png DESTINATION share/icons/hicolor/${n}x${n}/apps
                COMPONENT client EXCLUDE_FROM_ALL)
    endforeach()
else()
    message(WARNING "No ImageMagick convert: the client's package will lack its menu icons")
endif()
add_custom_target(debian_files ALL DEPENDS ${generated})

# The client: program and engine module in a folder of their own where Debian keeps games'
# programs, the command among the games.
install(TARGETS tovo tovo-webengine DESTINATION lib/games/tovo COMPONENT client EXCLUDE_FROM_ALL)
install(CODE [[
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/games")
    file(CREATE_LINK ../lib/games/tovo/tovo "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/games/tovo" SYMBOLIC)
]] COMPONENT client EXCLUDE_FROM_ALL)
install(FILES ${deb}/tovo.desktop DESTINATION share/applications COMPONENT client EXCLUDE_FROM_ALL)
install(FILES ${deb}/net.ilnightowls.tovo.metainfo.xml DESTINATION share/metainfo COMPONENT client EXCLUDE_FROM_ALL)
install(FILES ${gen}/tovo.6.gz DESTINATION share/man/man6 COMPONENT client EXCLUDE_FROM_ALL)

# The host: the program, its service and settings, and the pages a new community starts from.
install(TARGETS tovo-site DESTINATION bin COMPONENT site EXCLUDE_FROM_ALL)
install(FILES ${deb}/tovo-site.service DESTINATION /lib/systemd/system COMPONENT site EXCLUDE_FROM_ALL)
install(FILES ${deb}/tovo-site.default DESTINATION /etc/default RENAME tovo-site COMPONENT site EXCLUDE_FROM_ALL)
install(FILES site/pages/detect.htm site/pages/news.htm site/pages/events.htm site/pages/patches.htm
              site/pages/discuss.htm site/pages/index.htm site/pages/style.css ${deb}/servers.con
        DESTINATION share/tovo-site COMPONENT site EXCLUDE_FROM_ALL)
install(FILES ${gen}/tovo-site.1.gz DESTINATION share/man/man1 COMPONENT site EXCLUDE_FROM_ALL)
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/nginx)
    install(DIRECTORY packaging/nginx DESTINATION share/doc/tovo-site/examples COMPONENT site EXCLUDE_FROM_ALL)
endif()

foreach(c client site)
    set(pkg tovo)
    if(c STREQUAL "site")
        set(pkg tovo-site)
    endif()
    install(FILES ${deb}/copyright DESTINATION share/doc/${pkg} COMPONENT ${c} EXCLUDE_FROM_ALL)
    install(FILES ${gen}/changelog.gz DESTINATION share/doc/${pkg} RENAME changelog.Debian.gz
            COMPONENT ${c} EXCLUDE_FROM_ALL)
    if(EXISTS ${deb}/${pkg}.lintian-overrides)
        install(FILES ${deb}/${pkg}.lintian-overrides DESTINATION share/lintian/overrides RENAME ${pkg}
                COMPONENT ${c} EXCLUDE_FROM_ALL)
    endif()
endforeach()

set(TOVO_MAINTAINER "TOVO maintainers <tovo@example.org>" CACHE STRING "The packages' maintainer")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TOVO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL client site)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SOURCE tovo)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_CLIENT_PACKAGE_NAME tovo)
set(CPACK_DEBIAN_CLIENT_PACKAGE_SECTION games)
# The keyring keeps locked servers' passwords: QtKeychain opens libsecret when the program runs,
# and the desktop's Secret Service answers it.
set(CPACK_DEBIAN_CLIENT_PACKAGE_RECOMMENDS "wine, libsecret-1-0, gnome-keyring | kwalletmanager | keepassxc")
set(CPACK_COMPONENT_CLIENT_DESCRIPTION "client of the Iron Lantern / Night Owls gaming community
The desktop client of the Iron Lantern / Night Owls gaming community. Members
log in with their alias, read the community's news, events, patches and
discussion pages, pick a game server from the server pages and press Connect
to Server: the client writes the game's batch file and starts the game,
through Wine for Windows games, connected to that server.
.
The games supported are Medal of Honor Allied Assault, Spearhead and
Breakthrough, Unreal Tournament, Quake, Quake II and Quake III, 007 Night Fire,
Return to Castle Wolfenstein, Soldier of Fortune and Soldier of Fortune II, and
Jedi Outcast.")
set(CPACK_DEBIAN_SITE_PACKAGE_NAME tovo-site)
set(CPACK_DEBIAN_SITE_PACKAGE_SECTION httpd)
# Plugins the host loads by name, which no library link shows: the history's SQLite store and the
# maps' TGA pictures; PostgreSQL's driver for a community that keeps its history there.
set(CPACK_DEBIAN_SITE_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-image-formats-plugins")
set(CPACK_DEBIAN_SITE_PACKAGE_SUGGESTS libqt6sql6-psql)
set(CPACK_DEBIAN_SITE_PACKAGE_CONTROL_EXTRA ${deb}/postinst ${deb}/prerm ${deb}/postrm ${deb}/conffiles)
set(CPACK_COMPONENT_SITE_DESCRIPTION "web host of a TOVO gaming community
Serves a community's pages to its members' TOVO clients: news, events,
patches and discussion, the list of the community's game servers and one page
per server, each with the server's live status from the game's own query.
.
The package runs the host as a sandboxed systemd service on 127.0.0.1, behind
an nginx front that faces the internet; the community's pages start as a copy
of the demo pages in /srv/tovo-site.")
include(CPack)
