# Installing and packaging.
#
# The program starts the help viewer and reads the help file from its own directory, so the three
# stay together in a directory of their own under libexec, as they sit together in the build tree;
# bin gets a link to the program. The renderer needs neither and goes straight to bin.
include(GNUInstallDirs)

set(BRICKLOOM_APP_DIR ${CMAKE_INSTALL_LIBEXECDIR}/brickloom)
install(TARGETS brickloom winhelp RUNTIME DESTINATION ${BRICKLOOM_APP_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/helpviewer/qztuse33.hlp DESTINATION ${BRICKLOOM_APP_DIR})
# The settings a first start begins with; the program copies them into the user's data folder.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/Personal.qzt DESTINATION ${BRICKLOOM_APP_DIR})
install(TARGETS brickloom-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# A stripped install (the package's) also drops the compiler's version notes, as Debian's own
# tools do: they are of no use to anyone running the programs.
install(CODE "set(brickloom_strip \"${CMAKE_STRIP}\")
  set(brickloom_programs ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:brickloom-render>
      ${BRICKLOOM_APP_DIR}/$<TARGET_FILE_NAME:brickloom> ${BRICKLOOM_APP_DIR}/$<TARGET_FILE_NAME:winhelp>)")
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program IN LISTS brickloom_programs)
      execute_process(COMMAND ${brickloom_strip} --remove-section=.comment --remove-section=.note
                              "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${program}" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()
]])

# The link is made here, relative, and installed as it is: it then points the same way under
# DESTDIR, in the package's staging tree and on the target system. The program still finds its
# directory, because the system resolves the link when it names the running program.
file(RELATIVE_PATH brickloom_link_target ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/brickloom/brickloom)
set(brickloom_link ${CMAKE_BINARY_DIR}/packaging/bin/brickloom)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/bin)
file(CREATE_LINK ${brickloom_link_target} ${brickloom_link} SYMBOLIC)
install(FILES ${brickloom_link} DESTINATION ${CMAKE_INSTALL_BINDIR})

# Desktop integration: the menu entry, the model file type and the software-centre description.
set(BRICKLOOM_APP_ID org.brickloom.Brickloom)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${BRICKLOOM_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${BRICKLOOM_APP_ID}.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${BRICKLOOM_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# File managers draw their previews of model files with the renderer.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${BRICKLOOM_APP_ID}.thumbnailer
        DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)

# The manual pages and the changelog, compressed as Debian wants them: gzip -9 without a name or
# time in the header, and the file dated by the latest changelog entry, so that two builds of the
# same source give the same bytes and dates. The version is native (no Debian revision), so the
# changelog is changelog.gz, not changelog.Debian.gz.
set(brickloom_changelog ${CMAKE_SOURCE_DIR}/packaging/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${brickloom_changelog})
file(STRINGS ${brickloom_changelog} brickloom_changelog_top LIMIT_COUNT 1)
if(NOT brickloom_changelog_top MATCHES "^brickloom \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog must start with an entry for version ${PROJECT_VERSION}")
endif()
file(STRINGS ${brickloom_changelog} brickloom_changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" brickloom_changelog_date "${brickloom_changelog_trailer}")
execute_process(COMMAND date -d "${brickloom_changelog_date}" +%s
                OUTPUT_VARIABLE brickloom_release_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

set(brickloom_gz_dir ${CMAKE_BINARY_DIR}/packaging/gz)
set(brickloom_gz_files)
foreach(source IN ITEMS man/brickloom.1 man/brickloom-render.1 debian/changelog)
  get_filename_component(name ${source} NAME)
  set(gz ${brickloom_gz_dir}/${name}.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${source} ${brickloom_gz_dir}/${name}
    COMMAND gzip -9nf ${brickloom_gz_dir}/${name}
    COMMAND touch -d @${brickloom_release_time} ${gz}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
  list(APPEND brickloom_gz_files ${gz})
endforeach()
add_custom_target(brickloom_gz_files ALL DEPENDS ${brickloom_gz_files})
install(FILES ${brickloom_gz_dir}/brickloom.1.gz ${brickloom_gz_dir}/brickloom-render.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(BRICKLOOM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/brickloom)
install(FILES ${brickloom_gz_dir}/changelog.gz DESTINATION ${BRICKLOOM_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${BRICKLOOM_DOC_DIR})

# The theme icons come from the program's own icon file at build time, so they can never differ
# from the icon the windows show: its own 32 x 32 pixels, and whole-multiple blow-ups of them.
add_executable(brickloom-iconpng packaging/iconpng.cpp)
target_link_libraries(brickloom-iconpng PRIVATE Qt6::Gui)

set(brickloom_icon ${CMAKE_SOURCE_DIR}/assets/palette/brickloom.ico)
set(brickloom_icon_dir ${CMAKE_BINARY_DIR}/packaging/icons)
set(brickloom_icon_sizes 32 64 128 256)
set(brickloom_icon_pngs)
foreach(size IN LISTS brickloom_icon_sizes)
  list(APPEND brickloom_icon_pngs ${brickloom_icon_dir}/${size}x${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${brickloom_icon_pngs}
  COMMAND brickloom-iconpng ${brickloom_icon} ${brickloom_icon_dir} ${brickloom_icon_sizes}
  DEPENDS brickloom-iconpng ${brickloom_icon}
  COMMENT "Writing the theme icons from brickloom.ico"
)
add_custom_target(brickloom_icon_pngs ALL DEPENDS ${brickloom_icon_pngs})

foreach(size IN LISTS brickloom_icon_sizes)
  set(theme_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size})
  install(FILES ${brickloom_icon_dir}/${size}x${size}.png DESTINATION ${theme_dir}/apps
          RENAME ${BRICKLOOM_APP_ID}.png)
  # Model files show the program's icon in file managers too.
  install(FILES ${brickloom_icon_dir}/${size}x${size}.png DESTINATION ${theme_dir}/mimetypes
          RENAME application-x-brickloom-model.png)
endforeach()

# Everything the install rules above take from the build tree, for a build of the package alone.
add_custom_target(brickloom_package_contents)
add_dependencies(brickloom_package_contents brickloom winhelp brickloom-render brickloom_icon_pngs brickloom_gz_files)

# The Debian package (`make package`). dpkg-shlibdeps finds the libraries the programs link;
# what they only load at run time or ask for by name is listed by hand: the platform plugins,
# without which the program cannot open a window (libqt6gui6 only recommends them), and the font
# the windows were laid out for. The menu, file type and icon caches are refreshed by the dpkg
# triggers of desktop-file-utils, shared-mime-info and hicolor-icon-theme, the software catalogue
# by AppStream's apt hook, so there are no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brickloom)
set(CPACK_PACKAGE_VENDOR "Brickloom developers")
set(CPACK_PACKAGE_CONTACT "Brickloom developers <dev@brickloom.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build picture models from 240 icon shapes")
set(CPACK_PACKAGE_DESCRIPTION "Brickloom builds picture models out of small icon shapes: mechanical parts,
building materials, tube fittings, shapes for children and more, dragged from
a palette of 240 shapes into a work area of 19 by 13 boxes. Placements can be
undone step by step; models are saved to and opened from plain text files and
can be printed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brickloom developers <dev@brickloom.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brickloom.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
# Only for a Wayland desktop without X11: elsewhere the program runs on X11 (man brickloom).
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)
