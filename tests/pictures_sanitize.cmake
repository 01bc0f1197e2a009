# SPDX-License-Identifier: MIT
# The picture decoders under AddressSanitizer and UndefinedBehaviorSanitizer, in a small sub-build of their
# own (only src/pictures and the two platform files they use), run over truncated, bit-flipped and
# huge-size inputs that the driver generates.
add_test(NAME pictures_sanitize
  COMMAND ${CMAKE_CTEST_COMMAND}
    --build-and-test ${CMAKE_CURRENT_LIST_DIR}/pictures_sanitize ${CMAKE_BINARY_DIR}/pictures_sanitize
    --build-generator ${CMAKE_GENERATOR}
    --build-target damaged_pictures
    --build-options -DVEDARIUM_SOURCE_DIR=${CMAKE_SOURCE_DIR} -DCMAKE_BUILD_TYPE=RelWithDebInfo
    --test-command ${CMAKE_BINARY_DIR}/pictures_sanitize/damaged_pictures)
set_tests_properties(pictures_sanitize PROPERTIES
  TIMEOUT 900
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=abort_on_error=1:detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
