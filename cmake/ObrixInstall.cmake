# Install layout and the Debian package. The program goes to bin/ with the record-file icon
# beside it (the file-type registration names that path); on Linux the desktop entry, the MIME
# package for `.oci` files and the program's icon go where desktops look for them.
if(NOT TARGET Obrix)
    return()
endif()
install(TARGETS Obrix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(_obrix_resources ${PROJECT_SOURCE_DIR}/src/app/resources)

install(FILES ${_obrix_resources}/OCI-R.ico DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/obrix.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/obrix.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages)

    install(FILES ${_obrix_resources}/obrix_logo.svg RENAME obrix.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
    # The icon record files show in file managers (the MIME type's default icon name).
    install(FILES ${_obrix_resources}/obrix_logo.svg RENAME application-x-obrix-record.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/mimetypes)
    # 161 x 161 is no size of the icon theme; pixmaps/ takes icons of any size.
    install(FILES ${_obrix_resources}/obrix_logo.png RENAME obrix.png
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/pixmaps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME obrix)
set(CPACK_PACKAGE_VENDOR Velmoor)
set(CPACK_PACKAGE_CONTACT "Velmoor <support@velmoor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Scores the Obsessive-Compulsive Inventory - Revised (OCI-R)")
set(CPACK_PACKAGE_DESCRIPTION
    "Obrix scores the 18-item OCI-R questionnaire for mental-health clinicians:\n\
subscale and total raw scores, z-scores and percentiles against general\n\
population or OCD norms. Entries are saved as .oci record files and printed\n\
as a one-page report.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmoor <support@velmoor.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the installed programs link are found by dpkg-shlibdeps (from dpkg-dev); the
# platform plugins Qt loads at run time are no linked library, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The association refreshes the MIME and desktop databases with these when they are there;
# the fonts stand in for the window's typefaces.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "shared-mime-info, desktop-file-utils, fonts-liberation, fonts-crosextra-carlito, fonts-urw-base35")
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/ObrixWindowsInstaller.cmake)
endif()
include(CPack)
