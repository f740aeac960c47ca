# The skinned splitter window, with its tests.
target_sources(Kelm PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CKSplitterWnd.cpp)

kelm_add_test(NAME kelm_splitter_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/SplitterTest.cpp LIBS Kelm)
