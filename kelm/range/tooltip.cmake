# Tooltip, with its tests.
target_sources(Kelm PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CKToolTipCtrl.cpp)

kelm_add_test(NAME kelm_tooltip_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/ToolTipTest.cpp LIBS Kelm)
