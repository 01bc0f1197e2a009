# SPDX-License-Identifier: MIT
# The screens' place under a window manager: the real program in Xvfb with openbox.
add_test(NAME screen_place_xvfb
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/x11/under_openbox.sh ${CMAKE_CURRENT_SOURCE_DIR}/screen_place.sh $<TARGET_FILE:vedarium> ${CMAKE_BINARY_DIR}/content)
set_tests_properties(screen_place_xvfb PROPERTIES TIMEOUT 120 ENVIRONMENT "${VEDARIUM_TEST_ENVIRONMENT};VEDARIUM_TEST_SCREEN=1024x768x24")
