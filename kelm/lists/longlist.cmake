# The long list box and its paging, with their tests.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LongListPaging.cpp)

kelm_add_test(NAME kelm_longlist_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/LongListPagingTest.cpp
  LIBS Kelm)
