# Small helpers so that each folder's CMakeLists.txt stays a few lines long.
# Sources are picked up by pattern: adding a file to a folder adds it to that folder's target.

set(ZV_WARNINGS -Wall -Wextra -Wpedantic -Wno-unused-parameter)

# zv_library(NAME [QT modules...] [LINKS targets...] [PRIVATE_QT modules...] [PRIVATE_LINKS targets...])
# Builds every .cpp/.h directly in the folder into a static library. QT and LINKS are what the
# library's headers expose, so users of the library get them too; PRIVATE_QT and PRIVATE_LINKS
# are used only inside its .cpp files. A static library still hands its private dependencies on
# to the linker of each program, so a private link keeps headers and compile options to itself
# but never hides a module from the program: the library graph check (tests/buildtree) walks
# both kinds.
function(zv_library name)
  cmake_parse_arguments(ARG "" "" "QT;LINKS;PRIVATE_QT;PRIVATE_LINKS" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "zv_library(${name}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${ZV_WARNINGS})
  list(TRANSFORM ARG_QT PREPEND Qt6::)
  list(TRANSFORM ARG_PRIVATE_QT PREPEND Qt6::)
  target_link_libraries(${name} PUBLIC ${ARG_QT} ${ARG_LINKS} PRIVATE ${ARG_PRIVATE_QT} ${ARG_PRIVATE_LINKS})
  if(ZV_DEBUG_MODE)
    target_compile_definitions(${name} PUBLIC ZV_DEBUG_MODE=1)
  endif()
endfunction()

# zv_test(NAME [LINKS targets...])
# One test program per test folder: every .cpp in the folder, run by ctest.
function(zv_test name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${ZV_WARNINGS})
  target_link_libraries(${name} PRIVATE zv_testsupport ${ARG_LINKS})
  target_compile_definitions(${name} PRIVATE
    ZV_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}" ZV_SOURCE_ROOT="${PROJECT_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZV_TEST_MODE=1"
    TIMEOUT 900)
endfunction()

# Adds every direct subfolder of the current folder that has a CMakeLists.txt, so a new
# subsystem or test folder only needs its own CMakeLists.txt.
function(zv_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
