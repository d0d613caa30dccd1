# The program's update feed and the account, sign-in and sync services are a
# closed port of this machine in tests, so that nothing a test runs reaches
# the real ones; tests of those clients point them at fake services of their
# own. Settings go to the test's own folder, never the user's. The locale is
# the same on every machine: the program speaks the system's language when
# it has a catalogue for it, and asks for release notes in it.
set(LEDGERINE_TEST_UPDATE_URL "http://127.0.0.1:9/ledgerine/stable/")
set(LEDGERINE_TEST_SERVICE_URL "http://127.0.0.1:9")

# ledgerine_add_test(<name> SOURCES <files...> LIBS <targets...>)
# Builds one QtTest program and registers it with CTest. Tests run without a
# display; each test gives itself a temporary data directory (see
# tests/support/TestDataDir.h), so none touches the user's real one.
function(ledgerine_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/ClosedServices.cpp)
  target_compile_definitions(${name} PRIVATE
    LEDGERINE_TEST_UPDATE_URL="${LEDGERINE_TEST_UPDATE_URL}"
    LEDGERINE_TEST_SERVICE_URL="${LEDGERINE_TEST_SERVICE_URL}")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ledgerine_testsupport Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;LANGUAGE=;LEDGERINE_DATA_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}-data;LEDGERINE_UPDATE_URL=${LEDGERINE_TEST_UPDATE_URL};AUTH_BASE_URL=${LEDGERINE_TEST_SERVICE_URL}/auth;ACCOUNT_API_URL=${LEDGERINE_TEST_SERVICE_URL}/account;SYNC_API_URL=${LEDGERINE_TEST_SERVICE_URL}/sync;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}-config"
    TIMEOUT 300)
endfunction()
