# The ISP definition reader and the stored-password decoder under libFuzzer, with the server
# model library instrumented so that the sanitizers and the coverage guidance see inside it.
# fuzz/servers-run builds and runs it.
set(ZV_SERVERS_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
target_compile_options(zv_servers PRIVATE ${ZV_SERVERS_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)
add_executable(fuzz_servers ${CMAKE_CURRENT_LIST_DIR}/servers_fuzz.cpp)
target_compile_options(fuzz_servers PRIVATE ${ZV_SERVERS_FUZZ_FLAGS} -fsanitize=fuzzer)
target_link_options(fuzz_servers PRIVATE ${ZV_SERVERS_FUZZ_FLAGS} -fsanitize=fuzzer)
target_link_libraries(fuzz_servers PRIVATE zv_servers)
