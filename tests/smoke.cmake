# SPDX-License-Identifier: MIT
# The real program in a real X server.
add_test(NAME smoke_xvfb COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/smoke.sh $<TARGET_FILE:vedarium> ${CMAKE_BINARY_DIR}/content)
set_tests_properties(smoke_xvfb PROPERTIES TIMEOUT 120 ENVIRONMENT "${VEDARIUM_TEST_ENVIRONMENT}")
