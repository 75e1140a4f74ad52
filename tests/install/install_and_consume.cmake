# Installs the built library into an empty prefix, then builds and runs a C and a C++ host
# against the install: once with find_package(funkcja), once with pkg-config.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DCONSUMER_DIR=... -DC_COMPILER=... -DCXX_COMPILER=...
#         -P install_and_consume.cmake
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "failed (${rc}): ${command}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

# A host prints "ok" after its own checks; anything else is a failure.
function(expect_ok program)
  run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} ${program})
  if(NOT run_output MATCHES "^ok\n")
    message(FATAL_ERROR "${program} printed:\n${run_output}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

file(GLOB_RECURSE installed_library ${prefix}/*/libfunkcja.so)
if(NOT installed_library)
  message(FATAL_ERROR "no libfunkcja.so under ${prefix}")
endif()
list(GET installed_library 0 installed_library)
get_filename_component(libdir ${installed_library} DIRECTORY)
foreach(header funkcja/funkcja.h funkcja/funkcja.hpp funkcja/testing.h funkcja/version.h
               funkcja/c/strings.h)
  if(NOT EXISTS ${prefix}/include/${header})
    message(FATAL_ERROR "${header} not installed")
  endif()
endforeach()

# With CMake.
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/cmake-build -G Ninja
    -DCMAKE_C_COMPILER=${C_COMPILER} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-build)
expect_ok(${WORK_DIR}/cmake-build/consumer_c)
expect_ok(${WORK_DIR}/cmake-build/consumer_cpp)

# With pkg-config.
file(GLOB_RECURSE pc_file ${prefix}/*/funkcja.pc)
if(NOT pc_file)
  message(FATAL_ERROR "no funkcja.pc under ${prefix}")
endif()
get_filename_component(pc_dir ${pc_file} DIRECTORY)
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir} pkg-config --cflags --libs funkcja)
string(STRIP "${run_output}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
set(warnings -Wall -Wextra -Werror)
run(${C_COMPILER} ${warnings} ${CONSUMER_DIR}/consumer.c ${flags} -o ${WORK_DIR}/pc_consumer_c)
run(${CXX_COMPILER} -std=c++17 ${warnings} ${CONSUMER_DIR}/consumer.cpp ${flags}
    -o ${WORK_DIR}/pc_consumer_cpp)
expect_ok(${WORK_DIR}/pc_consumer_c)
expect_ok(${WORK_DIR}/pc_consumer_cpp)
