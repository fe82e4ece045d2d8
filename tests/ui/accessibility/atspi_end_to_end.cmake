# atspi_end_to_end: starts bin/Obrix in a virtual X server with its own session bus and drives it
# through AT-SPI with pyatspi (Debian: xvfb, dbus, at-spi2-core, python3-pyatspi; see
# scripts/setup.sh). Where a piece is missing the test is registered anyway and reports itself
# skipped with the reason, so that the gap shows in every test run.
#
# AT-SPI is the Linux desktop's accessibility bus; a Windows build has nothing of it to drive.
if(WIN32)
    return()
endif()

find_program(OBRIX_XVFB_RUN xvfb-run)
find_program(OBRIX_DBUS_RUN_SESSION dbus-run-session)

# pyatspi belongs to the system's Python; an interpreter found earlier in PATH (a virtual
# environment, pyenv) usually lacks it, so the system's is tried first.
if(NOT DEFINED CACHE{OBRIX_ATSPI_PYTHON})
    find_program(_obrix_path_python python3)
    foreach(candidate /usr/bin/python3 ${_obrix_path_python})
        if(EXISTS "${candidate}")
            execute_process(COMMAND "${candidate}" -c "import pyatspi"
                RESULT_VARIABLE _obrix_import OUTPUT_QUIET ERROR_QUIET)
            if(_obrix_import EQUAL 0)
                set(OBRIX_ATSPI_PYTHON "${candidate}" CACHE FILEPATH
                    "Python interpreter with pyatspi, for the AT-SPI end-to-end test")
                break()
            endif()
        endif()
    endforeach()
endif()

set(_obrix_atspi_missing "")
if(NOT OBRIX_XVFB_RUN)
    list(APPEND _obrix_atspi_missing "xvfb-run (package xvfb)")
endif()
if(NOT OBRIX_DBUS_RUN_SESSION)
    list(APPEND _obrix_atspi_missing "dbus-run-session (package dbus)")
endif()
if(NOT OBRIX_ATSPI_PYTHON)
    list(APPEND _obrix_atspi_missing "a python3 with pyatspi (package python3-pyatspi)")
endif()

# The program runs on a real X server here, not offscreen; the script sets its own platform and
# accessibility variables.
set(_obrix_atspi_environment ${OBRIX_TEST_ENVIRONMENT})
list(FILTER _obrix_atspi_environment EXCLUDE REGEX "^QT_QPA_PLATFORM=")
# On X11, libxkbcommon-x11 hands strndup() atom names that are not NUL-terminated, which is
# correct (strndup stops at the length) but fails AddressSanitizer's strict string checks inside
# the system library. Those checks stay on for every other test.
list(TRANSFORM _obrix_atspi_environment REPLACE "strict_string_checks=1" "strict_string_checks=0")

if(_obrix_atspi_missing)
    list(JOIN _obrix_atspi_missing ", " _obrix_atspi_missing)
    add_test(NAME atspi_end_to_end
        COMMAND sh -c "echo 'skipped: missing ${_obrix_atspi_missing}'; exit 77")
    set_tests_properties(atspi_end_to_end PROPERTIES SKIP_RETURN_CODE 77)
else()
    add_test(NAME atspi_end_to_end
        COMMAND ${OBRIX_XVFB_RUN} --auto-servernum "--server-args=-screen 0 1280x1024x24"
                ${OBRIX_DBUS_RUN_SESSION} --
                ${OBRIX_ATSPI_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/atspi_end_to_end.py
                $<TARGET_FILE:Obrix>)
    set_tests_properties(atspi_end_to_end PROPERTIES
        TIMEOUT 180
        ENVIRONMENT "${_obrix_atspi_environment}")
endif()
