# The tests of the Windows build run under Wine, through scripts/wine-test.
# Every Qt Test program that tests/ registers with vte_add_test (or lists in
# VTE_QT_TESTS) runs there on the offscreen platform. Any other test starts
# programs Wine cannot: it is skipped there, and says why.

set(VTE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "Scratch Wine prefix in which the tests run")
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-test ${VTE_QT_MINGW} ${VTE_WINE_PREFIX})
set(VTE_WINE_SKIPPED_FILE ${CMAKE_BINARY_DIR}/skipped-under-wine.txt)
file(WRITE ${VTE_WINE_SKIPPED_FILE} "")

# vte_add_wine_look_test(test look): the Qt Test program again on the real
# Windows platform, in a Wine prefix set up as a Windows desktop of that look
# (scripts/wine-prefix.sh, vte_wine_look); it runs in a folder of its own,
# build-windows/looks/LOOK, where it may leave pictures.
function(vte_add_wine_look_test test look)
  set(folder ${CMAKE_BINARY_DIR}/looks/${look})
  file(MAKE_DIRECTORY ${folder})
  add_test(NAME ${test}_${look} COMMAND ${test} WORKING_DIRECTORY ${folder})
  set_tests_properties(${test}_${look} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=windows;VTE_WINE_LOOK=${look};VTE_PICTURES=."
                                                  TIMEOUT 300)
  set_property(GLOBAL APPEND PROPERTY VTE_QT_TESTS ${test}_${look})
endfunction()

# Called at the end of a folder's tests.
function(vte_skip_under_wine)
  get_property(qt_tests GLOBAL PROPERTY VTE_QT_TESTS)
  get_property(tests DIRECTORY PROPERTY TESTS)
  foreach(test IN LISTS tests)
    if(NOT test IN_LIST qt_tests)
      set(reason "${test}: skipped under Wine: it starts other programs (a shell script, xvfb-run, xdotool, or the editor by its Linux path), which Wine cannot")
      set_tests_properties(${test} PROPERTIES DISABLED TRUE)
      file(APPEND ${VTE_WINE_SKIPPED_FILE} "${reason}\n")
      message(STATUS ${reason})
    endif()
  endforeach()
endfunction()
