# Slider and spin button, and their tests.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CKSliderCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKSpinButtonCtrl.cpp)

kelm_add_test(NAME kelm_slider_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/SliderTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/SpinButtonTest.cpp
  LIBS Kelm)
