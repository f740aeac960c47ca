# Scroll bar and list-tracking scroll bar, with their tests.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ScrollGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKScrollBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKTScrollBar.cpp)

kelm_add_test(NAME kelm_scrollbar_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollBarGeometryTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollBarTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollBarInputTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollBarReentryTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/TScrollBarTest.cpp
  LIBS Kelm)
