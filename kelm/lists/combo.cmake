# The combo box and its list container, with their tests.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CKComboLCont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKComboBox.cpp)

kelm_add_test(NAME kelm_combo_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/ComboBoxTest.cpp
  LIBS Kelm)
