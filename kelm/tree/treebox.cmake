# The two tree boxes and what they share, with their tests.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CKTreeBoxBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKTreeBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKTreeBoxWithOutCheckBoxes.cpp)

kelm_add_test(NAME kelm_tree_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/TreeBoxStoreTest.cpp
  LIBS Kelm)

kelm_add_test(NAME kelm_tree_draw_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/TreeBoxDrawTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/TreeBoxInputTest.cpp
  LIBS Kelm)
