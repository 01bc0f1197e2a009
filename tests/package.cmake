# SPDX-License-Identifier: MIT
# The desktop application: the launcher's choice of course, the validity of the menu entry and metainfo, and the
# Debian package built, inspected and started from its unpacked files.
set(package_dir ${CMAKE_SOURCE_DIR}/packaging)
add_test(NAME launcher COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/launcher.sh ${CMAKE_BINARY_DIR}/packaging/vedarium-launcher)
add_test(NAME desktop_file_valid
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/validate.sh desktop ${package_dir}/org.vedarium.Vedarium.desktop)
add_test(NAME metainfo_valid
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/validate.sh metainfo
                 ${package_dir}/org.vedarium.Vedarium.metainfo.xml)
add_test(NAME debian_package
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/check_deb.sh ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/smoke.sh)
set_tests_properties(desktop_file_valid metainfo_valid debian_package PROPERTIES SKIP_RETURN_CODE 77)
# Packing the course and starting the program take a while; the package is built into a folder of its own.
set_tests_properties(debian_package PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
