# GoogleTest, built from its sources with the tool's own compiler, and the
# helper that adds a test program to CTest.
set(GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest's sources")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory("${GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest"
                 EXCLUDE_FROM_ALL)

set(VORKEL_TEST_ROOT "${CMAKE_BINARY_DIR}/e2e")

# The file an operator runs is the 32-bit vorkel.exe. A 64-bit build runs the
# same sources under 64-bit Wine, and its tests of the file itself (header,
# resources, manifest) read the 32-bit build named here.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VORKEL_PRODUCT_EXE "" CACHE FILEPATH "the 32-bit vorkel.exe")
  if(NOT VORKEL_PRODUCT_EXE)
    message(FATAL_ERROR "a 64-bit build's tests need VORKEL_PRODUCT_EXE, the 32-bit vorkel.exe")
  endif()
else()
  set(VORKEL_PRODUCT_EXE "$<TARGET_FILE:vorkel>")
endif()

# The tests run in folders they lay out under the test root, which the test
# prefix maps to T:, with D: and M: inside (see tools/prepare-test-prefix.sh).
if(CMAKE_HOST_UNIX)
  add_test(NAME prepare_test_prefix
    COMMAND sh "${CMAKE_SOURCE_DIR}/tools/prepare-test-prefix.sh"
            "${CMAKE_BINARY_DIR}/wine-run" "${VORKEL_WINEPREFIX}" "${VORKEL_TEST_ROOT}")
  set_tests_properties(prepare_test_prefix PROPERTIES FIXTURES_SETUP test_prefix)
endif()

# vorkel_add_test(NAME SOURCES ... [LIBS ...] [E2E])
function(vorkel_add_test name)
  cmake_parse_arguments(T "E2E" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} testkit gtest gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  # A hang (say, an outside program that never returns) fails the test
  # instead of holding up the whole run.
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED test_prefix
                       TIMEOUT 600)
  if(T_E2E)
    add_dependencies(${name} vorkel stand_in_config stand_in_xcopy
                     stand_in_delayed_cmd)
    # One at a time: they share the display and the mapped drives.
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()

add_library(testkit STATIC
  testkit/medium.cpp
  testkit/tool_process.cpp
  testkit/windows_text.cpp)
target_include_directories(testkit PUBLIC "${CMAKE_SOURCE_DIR}")
target_link_libraries(testkit PUBLIC gtest)
target_compile_definitions(testkit PRIVATE
  VORKEL_EXE="$<TARGET_FILE:vorkel>"
  VORKEL_PRODUCT_EXE="${VORKEL_PRODUCT_EXE}")

# The product's configuration tool, as the tests' install media carry it;
# xcopy as Windows' answers; an interpreter with delayed expansion on.
add_executable(stand_in_config testkit/stand_in_config.cpp)
set_target_properties(stand_in_config PROPERTIES OUTPUT_NAME qzt_config)
add_executable(stand_in_xcopy testkit/stand_in_xcopy.cpp)
add_executable(stand_in_delayed_cmd testkit/stand_in_delayed_cmd.cpp)
foreach(stand_in stand_in_xcopy stand_in_delayed_cmd)
  target_include_directories(${stand_in} PRIVATE "${CMAKE_SOURCE_DIR}")
endforeach()
target_compile_definitions(testkit PRIVATE
  STAND_IN_CONFIG_EXE="$<TARGET_FILE:stand_in_config>"
  STAND_IN_XCOPY_EXE="$<TARGET_FILE:stand_in_xcopy>"
  STAND_IN_DELAYED_CMD_EXE="$<TARGET_FILE:stand_in_delayed_cmd>")
