# The skinned button and the mask button.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CKButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKMaskButton.cpp)

# The tests' own masks are bitmap resources of the test program.
kelm_add_test(NAME kelm_button_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/ButtonTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/MaskButtonTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/ButtonTestMasks.rc
  LIBS Kelm)
if(TARGET kelm_button_tests)
  file(GLOB KELM_BUTTON_TEST_MASKS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tests/test_mask_*.bmp)
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/tests/ButtonTestMasks.rc PROPERTIES
    INCLUDE_DIRECTORIES ${CMAKE_CURRENT_LIST_DIR}/tests
    OBJECT_DEPENDS "${KELM_BUTTON_TEST_MASKS}")
endif()
