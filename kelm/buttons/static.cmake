# Static text, with its tests.
target_sources(Kelm PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CKStatic.cpp)

kelm_add_test(NAME kelm_static_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/StaticTest.cpp LIBS Kelm)
