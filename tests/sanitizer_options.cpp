// Built into the test binary in sanitizer builds, so that the options hold
// however the binary is started.

// Full stacks, so that SDL's own leaks are told apart from ours by function.
extern "C" const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }

extern "C" const char* __lsan_default_options() {
    return "suppressions=" KORVANE_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
