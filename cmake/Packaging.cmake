# Packages for Windows users, made by the `package` target of a Windows build tree:
#   lunavis-<version>-<arch>.zip        to unpack anywhere the user may write
#   lunavis-<version>-<arch>-setup.exe  per-user installer (NSIS), with an uninstaller
# Both hold lunavis.exe, lunahook.dll, res\back.png, README.txt (Chinese and English) and
# LICENSE.txt. <arch> is win64 or win32.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(LUNA_PACKAGE_ARCH win64)
    set(LUNA_NSIS_TARGET amd64-unicode)
else()
    set(LUNA_PACKAGE_ARCH win32)
    set(LUNA_NSIS_TARGET x86-unicode)
endif()

set(LUNA_PACKAGING_SOURCE ${PROJECT_SOURCE_DIR}/packaging)
set(LUNA_PACKAGING_BINARY ${PROJECT_BINARY_DIR}/packaging)

# Windows line ends for Notepad; the read-me starts with a UTF-8 byte order mark so that
# Notepad on a Chinese Windows does not take it for GBK.
configure_file(${LUNA_PACKAGING_SOURCE}/README.txt ${LUNA_PACKAGING_BINARY}/README.txt @ONLY
               NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${LUNA_PACKAGING_BINARY}/LICENSE.txt @ONLY
               NEWLINE_STYLE CRLF)
install(FILES ${LUNA_PACKAGING_BINARY}/README.txt ${LUNA_PACKAGING_BINARY}/LICENSE.txt
        DESTINATION .)

set(CPACK_PACKAGE_NAME lunavis)
set(CPACK_PACKAGE_VENDOR "the lunavis authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese calendar and memo board on the Windows desktop")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME lunavis-${PROJECT_VERSION}-${LUNA_PACKAGE_ARCH})
set(CPACK_PACKAGE_INSTALL_DIRECTORY lunavis)
set(CPACK_RESOURCE_FILE_LICENSE ${LUNA_PACKAGING_BINARY}/LICENSE.txt)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_STRIP_FILES ON)
# One set of files, no components: the import library of lunahook (component "development",
# excluded from the default install) stays out.
set(CPACK_MONOLITHIC_INSTALL ON)
# Per generator: the installer's name ends in -setup.
configure_file(${LUNA_PACKAGING_SOURCE}/CPackOptions.cmake.in
               ${LUNA_PACKAGING_BINARY}/CPackOptions.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${LUNA_PACKAGING_BINARY}/CPackOptions.cmake)

# The installer script is our own (packaging/NSIS.template.in): CPack looks for it on the
# module path first. Only CPACK_* variables reach it.
list(PREPEND CMAKE_MODULE_PATH ${LUNA_PACKAGING_SOURCE})
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-INPUTCHARSET UTF8")
set(CPACK_LUNA_PACKAGE_ARCH ${LUNA_PACKAGE_ARCH})
set(CPACK_LUNA_NSIS_TARGET ${LUNA_NSIS_TARGET})
set(CPACK_LUNA_NSIS_ICON ${PROJECT_SOURCE_DIR}/app/res/lunavis.ico)

include(CPack)
