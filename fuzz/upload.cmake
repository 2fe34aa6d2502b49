# The upload list scanner under libFuzzer: pages come from users and from other people's templates.
set(ZV_UPLOAD_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
target_compile_options(zv_upload PRIVATE ${ZV_UPLOAD_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)
add_executable(fuzz_upload ${CMAKE_CURRENT_LIST_DIR}/upload_fuzz.cpp)
target_compile_options(fuzz_upload PRIVATE ${ZV_UPLOAD_FUZZ_FLAGS} -fsanitize=fuzzer)
target_link_options(fuzz_upload PRIVATE ${ZV_UPLOAD_FUZZ_FLAGS} -fsanitize=fuzzer)
target_link_libraries(fuzz_upload PRIVATE zv_upload)
