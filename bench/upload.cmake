# The upload benchmark sends a page with 200 pictures to a test FTP server next to the curl tool.
zv_benchmark(bench_upload upload_bench.cpp LINKS zv_upload)
target_compile_definitions(bench_upload PRIVATE ZV_SOURCE_ROOT="${PROJECT_SOURCE_DIR}")
