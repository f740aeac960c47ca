# The list box with disabled items and the skinned list box, with their tests.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DisabledStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListRow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CListBoxEx.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKListBox.cpp)

kelm_add_test(NAME kelm_listbox_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/DisabledStoreTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/ListBoxExTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/ListBoxTest.cpp
  LIBS Kelm)
