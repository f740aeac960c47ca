# The tree store and its row index, tested without windows.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CKTreeRowIndex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKTreeStore.cpp)

kelm_add_test(NAME kelm_tree_store_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/TreeStoreTest.cpp
  LIBS Kelm)
