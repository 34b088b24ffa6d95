// Built into every sanitized executable, so the options hold however the program is started
// (ctest, test discovery, by hand).

extern "C" {

// GCC 12's AddressSanitizer records dynamic thread-local storage through its __tls_get_addr
// interceptor, and on Debian 12's glibc it records slots that are no longer there: LeakSanitizer
// then faults when it scans them at exit. Without the interception the leak check still runs;
// it only no longer scans the thread-local storage of libraries loaded with dlopen.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name the sanitizer runtime looks up
const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }

// glibc keeps the folders LOCPATH names (the quiet-start test's own locales) in memory it never
// frees; the program's ending is leak-checked apart from that, and quietly so.
// NOLINTBEGIN(bugprone-reserved-identifier): the names the sanitizer runtime looks up
const char* __lsan_default_suppressions() { return "leak:argz_add_sep\n"; }
const char* __lsan_default_options() { return "print_suppressions=0"; }
// NOLINTEND(bugprone-reserved-identifier)

}  // extern "C"
