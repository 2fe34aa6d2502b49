# The HTML reader and layout under libFuzzer, with the deterministic test host.
# Configure a separate build with clang and the sanitizers, e.g. fuzz/htmlview-run.
add_executable(fuzz_htmlview ${CMAKE_CURRENT_LIST_DIR}/htmlview_fuzz.cpp)
target_link_libraries(fuzz_htmlview PRIVATE zv_htmlview)
target_compile_options(fuzz_htmlview PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(fuzz_htmlview PRIVATE -fsanitize=fuzzer,address,undefined)
