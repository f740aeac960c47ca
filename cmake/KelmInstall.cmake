# The SDK: include/ (public headers), lib/ (import libraries and CMake packages), bin/ (DLLs),
# share/tapkey/sounds/ (the widget's sound files).
include(CMakePackageConfigHelpers)

install(FILES ${KELM_RUNTIME_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
# Headers form the component "headers" (scripts/docs.sh installs them alone).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/mfc/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        COMPONENT headers FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/kelm/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kelm
        COMPONENT headers FILES_MATCHING PATTERN "*.h" PATTERN "tests" EXCLUDE PATTERN "res" EXCLUDE)
# Tapkey's public interface is T_morse alone; its other headers stay inside the library.
install(FILES ${PROJECT_SOURCE_DIR}/tapkey/tapkey.h ${PROJECT_SOURCE_DIR}/tapkey/TapkeyDefs.h
              ${PROJECT_SOURCE_DIR}/tapkey/T_morse.h ${PROJECT_SOURCE_DIR}/tapkey/Tablica_kodow.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tapkey COMPONENT headers)
foreach(dir sonet glyphor)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
          COMPONENT headers FILES_MATCHING PATTERN "*.h")
endforeach()

install(TARGETS AfxLite Sonet Glyphor Kelm EXPORT KelmTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT KelmTargets NAMESPACE Kelm:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kelm)
# The architecture check lives in KelmConfig.cmake, where it can say what is wrong.
if(KELM_ARCH STREQUAL "x86_64")
  set(KELM_POINTER_BITS 64)
else()
  set(KELM_POINTER_BITS 32)
endif()
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KelmConfig.cmake.in
  ${CMAKE_BINARY_DIR}/KelmConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kelm)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/KelmConfigVersion.cmake COMPATIBILITY SameMajorVersion
                                 ARCH_INDEPENDENT)
install(FILES ${CMAKE_BINARY_DIR}/KelmConfig.cmake ${CMAKE_BINARY_DIR}/KelmConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kelm)

install(TARGETS Tapkey EXPORT TapkeyTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT TapkeyTargets NAMESPACE Tapkey:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tapkey)
# The dot and dash sounds of the widget: a host passes this folder (or a copy) to T_morse.
set(TAPKEY_SOUNDS_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/tapkey/sounds)
install(FILES ${PROJECT_SOURCE_DIR}/tapkey/res/M_KROPKA.WAV ${PROJECT_SOURCE_DIR}/tapkey/res/M_KRESKA.WAV
        DESTINATION ${TAPKEY_SOUNDS_INSTALL_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TapkeyConfig.cmake.in
  ${CMAKE_BINARY_DIR}/TapkeyConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tapkey
  PATH_VARS TAPKEY_SOUNDS_INSTALL_DIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/TapkeyConfigVersion.cmake COMPATIBILITY SameMajorVersion
                                 ARCH_INDEPENDENT)
install(FILES ${CMAKE_BINARY_DIR}/TapkeyConfig.cmake ${CMAKE_BINARY_DIR}/TapkeyConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tapkey)
