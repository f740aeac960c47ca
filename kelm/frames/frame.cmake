# Title bar, frame window, dock frame and form view, with their tests.
target_sources(Kelm PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CKTitleBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKFrameWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKDockFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CKFormView.cpp)

kelm_add_test(NAME kelm_frame_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/TitleBarTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/FrameWndTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/FrameTestRes.rc
  LIBS Kelm)
if(TARGET kelm_frame_tests)
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/tests/FrameTestRes.rc PROPERTIES
    INCLUDE_DIRECTORIES ${CMAKE_CURRENT_LIST_DIR}/tests
    OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tests/title_mask_3001.bmp)
endif()
