# Printing through a private cupsd whose queue writes a PDF, checked with poppler.
add_executable(cupsprint_driver ${CMAKE_CURRENT_LIST_DIR}/cupsprint_driver.cpp)
target_link_libraries(cupsprint_driver PRIVATE brickloom_platform)
set_target_properties(cupsprint_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/test_cupsprint)
add_test(NAME test_cupsprint
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/test_cupsprint.sh $<TARGET_FILE:cupsprint_driver>)
# 77: no CUPS scheduler can run on this machine, said in the output.
set_tests_properties(test_cupsprint PROPERTIES
  SKIP_RETURN_CODE 77
  TIMEOUT 120
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${BRICKLOOM_TEST_RUNTIME_DIR}")
