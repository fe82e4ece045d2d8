# The Windows program runs with Qt's DLLs, the plugins it loads and the compiler's runtime in its
# own folder, which is also how the installer lays it out. They are copied beside the built
# programs, so that the program and the test programs start from the build folder (under Wine
# too), and installed beside Obrix.exe.
if(NOT (WIN32 AND OBRIX_WITH_QT))
    return()
endif()

set(_obrix_qt_modules Core Gui Widgets PrintSupport Concurrent Charts)
# Platform plugin, the native widget style, the icon reader (record-file icons).
set(_obrix_qt_plugins platforms/qwindows styles/qwindowsvistastyle imageformats/qico)
# Only the test programs use these: Qt Test, and the platform that draws without a screen.
set(_obrix_qt_test_modules Test)
set(_obrix_qt_test_plugins platforms/qoffscreen)

# The compiler's runtime that Qt's DLLs and the program share.
set(_obrix_compiler_runtime)
foreach(_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_dll}
        OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_path}" OR NOT EXISTS "${_path}")
        message(FATAL_ERROR "The compiler's runtime DLL ${_dll} was not found")
    endif()
    list(APPEND _obrix_compiler_runtime ${_path})
endforeach()

function(_obrix_qt_dlls out)
    set(_dlls)
    foreach(_module ${ARGN})
        list(APPEND _dlls "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/Qt6${_module}.dll")
    endforeach()
    set(${out} ${_dlls} PARENT_SCOPE)
endfunction()

set(_obrix_bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
_obrix_qt_dlls(_program_dlls ${_obrix_qt_modules})
_obrix_qt_dlls(_test_dlls ${_obrix_qt_test_modules})
file(COPY ${_obrix_compiler_runtime} ${_program_dlls} ${_test_dlls} DESTINATION ${_obrix_bin})
install(FILES ${_obrix_compiler_runtime} ${_program_dlls} DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(_plugin ${_obrix_qt_plugins} ${_obrix_qt_test_plugins})
    get_filename_component(_folder ${_plugin} DIRECTORY)
    file(COPY "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/${_plugin}.dll"
        DESTINATION ${_obrix_bin}/${_folder})
    if(_plugin IN_LIST _obrix_qt_plugins)
        install(FILES "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/${_plugin}.dll"
            DESTINATION ${CMAKE_INSTALL_BINDIR}/${_folder})
    endif()
endforeach()
