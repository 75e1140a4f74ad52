# cmake --install: the shared library, the public headers, a CMake package (find_package(funkcja)
# gives funkcja::funkcja) and a pkg-config file.
include(CMakePackageConfigHelpers)

set(FUNKCJA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/funkcja)
set(FUNKCJA_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(TARGETS funkcja EXPORT funkcjaTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/funkcja DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  COMPONENT development)

install(EXPORT funkcjaTargets NAMESPACE funkcja:: DESTINATION ${FUNKCJA_CMAKE_DIR}
  COMPONENT development)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/funkcjaConfig.cmake.in
  ${CMAKE_BINARY_DIR}/generated/funkcjaConfig.cmake INSTALL_DESTINATION ${FUNKCJA_CMAKE_DIR})
# Versions with the same major number keep the C interface and its symbols (the SOVERSION).
write_basic_package_version_file(${CMAKE_BINARY_DIR}/generated/funkcjaConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/generated/funkcjaConfig.cmake
              ${CMAKE_BINARY_DIR}/generated/funkcjaConfigVersion.cmake
  DESTINATION ${FUNKCJA_CMAKE_DIR} COMPONENT development)

# The .pc file finds its prefix from where it lies, so an installed tree can be moved.
file(RELATIVE_PATH FUNKCJA_PC_TO_PREFIX ${CMAKE_INSTALL_PREFIX}/${FUNKCJA_PKGCONFIG_DIR}
  ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" FUNKCJA_PC_TO_PREFIX "${FUNKCJA_PC_TO_PREFIX}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/funkcja.pc.in ${CMAKE_BINARY_DIR}/generated/funkcja.pc
  @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/generated/funkcja.pc DESTINATION ${FUNKCJA_PKGCONFIG_DIR}
  COMPONENT development)
