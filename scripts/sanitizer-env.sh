# Sourced by the scripts that run the sanitized tree: leaks are reported,
# but those the toolkit's libraries keep for the life of the process are
# suppressed by library (lsan-toolkit.supp), never our own code; libfaketime
# is preloaded by the end-to-end scripts, ahead of the ASan runtime.
export ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan-toolkit.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1
