# SPDX-License-Identifier: MIT
# The windows' frames as a window manager sees them: the program's windows under Xvfb and openbox.
add_executable(tst_wmframes ${CMAKE_CURRENT_SOURCE_DIR}/x11/tst_wmframes.cpp)
target_link_libraries(tst_wmframes PRIVATE vedarium_testsupport PkgConfig::XCB)
add_test(NAME wmframes COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/x11/under_openbox.sh $<TARGET_FILE:tst_wmframes>)
set_tests_properties(wmframes PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77 ENVIRONMENT "${VEDARIUM_TEST_ENVIRONMENT}")
# The same at twice the size: the size hints follow the scale.
add_test(NAME wmframes_scaled COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/x11/under_openbox.sh $<TARGET_FILE:tst_wmframes>)
set_tests_properties(wmframes_scaled PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77
                     ENVIRONMENT "${VEDARIUM_TEST_ENVIRONMENT};QT_SCALE_FACTOR=2;VEDARIUM_TEST_SCREEN=2560x2048x24")
