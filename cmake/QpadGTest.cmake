# GoogleTest from its sources (Debian's googletest package), so that the same
# sources build natively and for Windows; an installed package otherwise.
# Either way the targets are GTest::gtest_main and GTest::gmock.
if(EXISTS "${QPAD_GTEST_SOURCE_DIR}/CMakeLists.txt")
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory("${QPAD_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
