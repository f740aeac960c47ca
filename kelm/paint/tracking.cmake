# Mouse tracking service and its tests.
target_sources(Kelm PRIVATE ${CMAKE_CURRENT_LIST_DIR}/KelmTrackMouse.cpp)

kelm_add_test(NAME kelm_tracking_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/TrackMouseTest.cpp LIBS Kelm)

# A host that loads and frees Kelm.dll at run time (it does not import it); started by
# kelm_tracking_tests.
if(KELM_BUILD_TESTS)
  add_executable(kelm_tracking_host ${CMAKE_CURRENT_LIST_DIR}/tests/TrackUnloadHost.cpp)
  target_link_libraries(kelm_tracking_host PRIVATE user32)
  add_dependencies(kelm_tracking_host Kelm)
  add_dependencies(kelm_tracking_tests kelm_tracking_host)
  # A bystander process that shows a window and reports whether Kelm.dll was loaded into it.
  add_executable(kelm_tracking_bystander ${CMAKE_CURRENT_LIST_DIR}/tests/TrackBystander.cpp)
  target_link_libraries(kelm_tracking_bystander PRIVATE user32)
  add_dependencies(kelm_tracking_tests kelm_tracking_bystander)
endif()
