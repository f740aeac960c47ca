# The long list box and its paging, with their tests.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LongListPaging.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKLongListBox.cpp)

kelm_add_test(NAME kelm_longlist_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/LongListPagingTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/LongListBoxTest.cpp
  LIBS Kelm)
