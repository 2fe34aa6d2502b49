# The viewer benchmark compares our reader and layout with QTextDocument and litehtml in one run.
# It is built only when both Google Benchmark and litehtml are installed.
find_package(benchmark QUIET)
find_package(litehtml QUIET)
if(benchmark_FOUND AND litehtml_FOUND)
  add_executable(bench_htmlview
    ${CMAKE_CURRENT_LIST_DIR}/htmlview_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/htmlviewmemory.cpp ${CMAKE_CURRENT_LIST_DIR}/htmlviewmemory.h
    ${CMAKE_CURRENT_LIST_DIR}/htmlviewpages.cpp ${CMAKE_CURRENT_LIST_DIR}/htmlviewpages.h
    ${CMAKE_CURRENT_LIST_DIR}/bigpage.h
    ${CMAKE_CURRENT_LIST_DIR}/litehtmlpeer.cpp ${CMAKE_CURRENT_LIST_DIR}/litehtmlpeer.h)
  target_link_libraries(bench_htmlview PRIVATE zv_htmlview_ui zv_htmlview zv_page benchmark::benchmark litehtml Qt6::Gui)
  # The shared target of the Debian package names neither its headers nor its UTF-8 build.
  get_target_property(litehtml_includes litehtml-static INTERFACE_INCLUDE_DIRECTORIES)
  target_include_directories(bench_htmlview PRIVATE ${litehtml_includes})
  target_compile_definitions(bench_htmlview PRIVATE LITEHTML_UTF8)
else()
  message(STATUS "bench_htmlview skipped: needs libbenchmark-dev and liblitehtml-dev")
endif()
