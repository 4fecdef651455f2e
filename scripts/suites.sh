# Sourced by scripts/test and scripts/stress-tests (after setting $root): the builds the
# test suite runs in, and how it runs there.

# Build folders, each with its cmake options.
suites=(build build-sanitize)
declare -A suite_options=(
  [build]=""
  [build-sanitize]="-DOSTREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"
)

export ALSOFT_DRIVERS=null
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# intercept_tls_get_addr=0: AddressSanitizer's hook on __tls_get_addr now and then records a
# bogus dynamic-TLS range for a thread of a process using Mesa's GL driver (seen: "DTLS 10 at
# 0xe59-0x1800001f5b"), and the leak check's tracer faults reading it at exit ("Tracer caught
# signal 11"). Without the hook the check still scans every thread's stack and static TLS,
# and glibc's dynamic-TLS blocks stay reachable through its own tables: nothing is hidden.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0"

# Configures and builds one of the suites' folders (a name from $suites).
build_suite() {
  local build="$root/$1"
  echo "== $1: configure and build"
  # Unquoted: the options are separate words.
  cmake -S "$root" -B "$build" ${suite_options[$1]} >/dev/null
  cmake --build "$build" --parallel "$(nproc)"
}

# Runs one folder's tests on a virtual display of their own; further arguments go to ctest.
test_suite() {
  local build="$root/$1"
  shift
  (cd "$build" && exec "$root/scripts/with-display" ctest --parallel "$(nproc)" --timeout 300 "$@")
}
