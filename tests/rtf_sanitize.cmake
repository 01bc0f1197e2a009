# SPDX-License-Identifier: MIT
# The RTF reader over damaged and hostile inputs under AddressSanitizer and UndefinedBehaviorSanitizer: a small
# sub-build of the reader's sources and a driver (fuzz/rtf/sanitize), configured, built and run by this test.
set(rtf_sanitize_dir ${CMAKE_BINARY_DIR}/rtf-sanitize)
add_test(NAME rtf_sanitize
         COMMAND sh -c "\"${CMAKE_COMMAND}\" -S \"${CMAKE_SOURCE_DIR}/fuzz/rtf/sanitize\" -B \"${rtf_sanitize_dir}\" \
-G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=\"${CMAKE_CXX_COMPILER}\" > \"${rtf_sanitize_dir}.log\" 2>&1 \
&& \"${CMAKE_COMMAND}\" --build \"${rtf_sanitize_dir}\" >> \"${rtf_sanitize_dir}.log\" 2>&1 \
|| { cat \"${rtf_sanitize_dir}.log\"; exit 1; }; \
\"${rtf_sanitize_dir}/rtf_damaged\" \"${CMAKE_SOURCE_DIR}/tests/data/rtf\"")
set_tests_properties(rtf_sanitize PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1"
  TIMEOUT 1200)
