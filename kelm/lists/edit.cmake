# The edit control and its text operations, with their tests.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EditText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKEdit.cpp)

kelm_add_test(NAME kelm_edit_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/EditTextTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/EditTest.cpp
  LIBS Kelm)
