# The Windows installer, made with NSIS (CPack's NSIS generator; on Debian, makensis from the nsis
# package): a 64-bit installer that puts the program, its DLLs and the record-file icon into
# Program Files\Obrix, adds a Start-menu entry and an uninstaller, and installs silently with /S.
set(CPACK_GENERATOR NSIS)
# The script lines below reach makensis as written, quotes and backslashes included.
set(CPACK_VERBATIM_VARIABLES ON)
# Everything goes straight into the installation folder (the Debian package's /usr is not used).
set(CPACK_PACKAGING_INSTALL_PREFIX "")
set(CPACK_PACKAGE_FILE_NAME "Obrix-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Obrix)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Obrix)
set(CPACK_NSIS_PACKAGE_NAME Obrix)
set(CPACK_NSIS_DISPLAY_NAME Obrix)
# A 64-bit program goes to the 64-bit Program Files, from a 64-bit installer.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/packaging/windows/installer-notice.txt)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/app/resources/OCI-R.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/src/app/resources/OCI-R.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME Obrix.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The Start-menu entry.
set(CPACK_PACKAGE_EXECUTABLES Obrix Obrix)

# Obrix registers itself for .oci files when it starts. The uninstaller takes that registration
# away only when it still opens this copy: another Obrix, or another program the user chose
# since, keeps it.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [=[
  ReadRegStr $0 HKCR "OCI-R\shell\open\command" ""
  StrCmp $0 '"$INSTDIR\Obrix.exe" "%1"' 0 obrix_association_kept
    ReadRegStr $1 HKCR ".oci" ""
    StrCmp $1 "OCI-R" 0 +2
      DeleteRegKey HKCR ".oci"
    DeleteRegKey HKCR "OCI-R"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  obrix_association_kept:
]=])
