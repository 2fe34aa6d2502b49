// Defaults for the sanitizers in every fuzz target. Undefined behaviour must stop the run like a
// memory error does, or the fuzzer would carry on past it and never save the input; the
// environment can still override these.
extern "C" const char *__ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}

extern "C" const char *__asan_default_options()
{
    return "detect_leaks=1";
}
