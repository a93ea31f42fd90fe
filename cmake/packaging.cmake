# Installation and packages: a .deb on Linux, a .zip of lomvist.exe, its manual as plain text, the
# text for administrators, the README and the licence on Windows.
include(GNUInstallDirs)
set(binary ${CMAKE_CURRENT_BINARY_DIR})
configure_file(doc/lomvist.1.in lomvist.1 @ONLY)

if(WIN32)
  # Windows users unpack the program and its texts into a folder of their choice and read the
  # texts in Notepad, so they get CR LF line ends and the manual page as plain text.
  find_program(GROFF groff)
  set(script ${CMAKE_CURRENT_SOURCE_DIR}/cmake/windows-text.cmake)
  set(texts)
  foreach(text README.md LICENSE doc/deploying.txt)
    get_filename_component(name ${text} NAME)
    add_custom_command(OUTPUT ${binary}/zip/${name}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_CURRENT_SOURCE_DIR}/${text}
              -DOUTPUT=${binary}/zip/${name} -P ${script}
      DEPENDS ${text} ${script})
    list(APPEND texts ${binary}/zip/${name})
  endforeach()
  if(GROFF)
    add_custom_command(OUTPUT ${binary}/zip/lomvist.txt
      COMMAND ${CMAKE_COMMAND} -DINPUT=${binary}/lomvist.1 -DOUTPUT=${binary}/zip/lomvist.txt
              -DGROFF=${GROFF} -P ${script}
      DEPENDS ${binary}/lomvist.1 ${script})
    list(APPEND texts ${binary}/zip/lomvist.txt)
  else()
    message(WARNING "groff not found: the .zip will hold no lomvist.txt (Debian: groff-base)")
  endif()
  # The .zip's program is stripped here, not by CPack, so that a release can sign this very file
  # before it is packed. strip stamps it with SOURCE_DATE_EPOCH, which no build rule sees change,
  # so it runs at every build.
  add_custom_target(windows_zip_program ALL
    COMMAND ${CMAKE_STRIP} -o ${binary}/zip/lomvist.exe $<TARGET_FILE:lomvist>
    BYPRODUCTS ${binary}/zip/lomvist.exe
    DEPENDS lomvist)
  add_custom_target(windows_texts ALL DEPENDS ${texts})
  install(PROGRAMS ${binary}/zip/lomvist.exe DESTINATION .)
  install(FILES ${texts} DESTINATION .)
else()
  install(TARGETS lomvist RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # Debian's machine-readable copyright file carries the licence's terms, each line indented and
  # each empty line written as " .".
  file(READ LICENSE license)
  string(REGEX REPLACE "^.*\n\n(Permission)" "\\1" license_terms "${license}")
  string(REGEX REPLACE "\n+$" "" license_terms "${license_terms}")
  string(REPLACE "\n\n" "\n.\n" license_terms "${license_terms}")
  string(REPLACE "\n" "\n " LICENSE_TEXT " ${license_terms}")
  configure_file(cmake/debian/copyright.in copyright @ONLY)

  # Debian installs manual pages and changelogs compressed, without names or times inside. The
  # newest entry is the project's version, so that a version is raised in one place.
  configure_file(cmake/debian/changelog changelog @ONLY)
  add_custom_command(OUTPUT lomvist.1.gz changelog.gz
    COMMAND gzip -9nkf lomvist.1 changelog
    DEPENDS ${binary}/lomvist.1 ${binary}/changelog)
  add_custom_target(compressed_documents ALL DEPENDS lomvist.1.gz changelog.gz)
  install(FILES ${binary}/lomvist.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${binary}/copyright ${binary}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # Only the .deb holds the overrides: a plain install has no lintian to tell them to.
  install(FILES cmake/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
          RENAME lomvist COMPONENT debian EXCLUDE_FROM_ALL)
  set(CPACK_INSTALL_CMAKE_PROJECTS "${binary};lomvist;ALL;/;${binary};lomvist;debian;/")

  # The .deb is for the machine that builds it; scripts find it by this name.
  find_program(DPKG dpkg)
  if(DPKG)
    execute_process(COMMAND ${DPKG} --print-architecture
      OUTPUT_VARIABLE architecture OUTPUT_STRIP_TRAILING_WHITESPACE)
  else()
    # Debian's names for the processors that CMake names otherwise.
    string(TOLOWER "${CMAKE_SYSTEM_PROCESSOR}" architecture)
    if(architecture STREQUAL x86_64)
      set(architecture amd64)
    elseif(architecture STREQUAL aarch64)
      set(architecture arm64)
    elseif(architecture MATCHES "^i[3-6]86$")
      set(architecture i386)
    elseif(architecture STREQUAL ppc64le)
      set(architecture ppc64el)
    endif()
  endif()
  set(LOMVIST_DEB_ARCHITECTURE ${architecture} CACHE INTERNAL "The .deb's architecture")

  # Only the compilers' version strings live in .comment; Debian strips it from its packages.
  add_custom_command(TARGET lomvist POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:lomvist>)
endif()

set(CPACK_PACKAGE_NAME lomvist)
set(CPACK_PACKAGE_VENDOR Ortavel)
set(CPACK_PACKAGE_CONTACT "Lomvist developers <dev@lomvist.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "finds the broken entries in search-path environment variables")
set(CPACK_PACKAGE_DESCRIPTION
    "Lomvist checks PATH, LIB, INCLUDE and other search-path variables as Windows\nreads them: entries separated by semicolons, each a drive path (C:\\...) or a\nnetwork path (\\\\server\\...). It lists every entry with whether it names a\ndirectory, a file or nothing, reports whitespace, % and ? characters,\nnon-absolute forms and doubled backslashes, and exits with the number of\nserious findings. On Linux it checks Windows search paths before they reach\nWindows; a Linux PATH is one entry there, reported as missing and not absolute.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
# The description holds backslashes, which must reach the package as they stand.
set(CPACK_VERBATIM_VARIABLES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME lomvist-${PROJECT_VERSION}-windows-x86_64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  # What scripts/release writes into the winget and Scoop manifests, named where the project
  # names it already: the vendor, the licence's first line ("MIT License"), the package summary.
  string(SUBSTRING ${PROJECT_NAME} 0 1 initial)
  string(SUBSTRING ${PROJECT_NAME} 1 -1 rest)
  string(TOUPPER ${initial} initial)
  set(product_name ${initial}${rest})
  file(STRINGS LICENSE licence_line LIMIT_COUNT 1)
  string(REGEX REPLACE " License$" "" licence "${licence_line}")
  configure_file(cmake/release-facts.json.in release-facts.json @ONLY)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${LOMVIST_DEB_ARCHITECTURE})
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()

include(CPack)
