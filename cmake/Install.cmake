# Installs the control library, the platform contracts, property-bag files and the soft
# platform, with a CMake package: find_package(QV_ColorListBox) gives QV::ColorListBox, the
# control together with the platform it runs on.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QV_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/QV_ColorListBox)
set(QV_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/QV_ColorListBox)

add_library(qv_embedded INTERFACE)
set_target_properties(qv_embedded PROPERTIES EXPORT_NAME ColorListBox)
target_link_libraries(qv_embedded INTERFACE QV_ColorListBox qv_soft)
add_library(QV::ColorListBox ALIAS qv_embedded)
target_compile_features(qv_platform PUBLIC cxx_std_20)
# Libraries built with the sanitizers need their run-time libraries in whatever links them.
if(QV_SANITIZE)
  target_link_options(qv_embedded INTERFACE -fsanitize=address,undefined)
endif()

install(TARGETS qv_platform qv_site qv_bagfile qv_soft QV_ColorListBox qv_embedded
  EXPORT QV_ColorListBoxTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${QV_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/contracts/ ${PROJECT_SOURCE_DIR}/platform/site/
  ${PROJECT_SOURCE_DIR}/platform/bagfile/
  ${PROJECT_SOURCE_DIR}/platform/soft/
  ${PROJECT_SOURCE_DIR}/src/
  DESTINATION ${QV_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
install(EXPORT QV_ColorListBoxTargets NAMESPACE QV:: DESTINATION ${QV_INSTALL_CMAKEDIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/QV_ColorListBoxConfig.cmake.in
  ${PROJECT_BINARY_DIR}/QV_ColorListBoxConfig.cmake
  INSTALL_DESTINATION ${QV_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QV_ColorListBoxConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QV_ColorListBoxConfig.cmake
              ${PROJECT_BINARY_DIR}/QV_ColorListBoxConfigVersion.cmake
  DESTINATION ${QV_INSTALL_CMAKEDIR})
