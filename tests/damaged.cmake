# SPDX-License-Identifier: MIT
# The picture decoders and the GIF player over truncated, bit-flipped and huge-size inputs that the driver makes
# itself. In the sanitizer build any memory error, undefined behaviour or leak ends the run.
add_executable(damaged_pictures ${CMAKE_CURRENT_LIST_DIR}/damaged_pictures.cpp)
target_include_directories(damaged_pictures PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(damaged_pictures PRIVATE vedarium_pictures)
add_test(NAME damaged_pictures COMMAND damaged_pictures)
set_tests_properties(damaged_pictures PROPERTIES ENVIRONMENT "${VEDARIUM_TEST_ENVIRONMENT}" TIMEOUT 900)
