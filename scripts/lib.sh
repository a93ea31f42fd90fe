# shellcheck shell=bash
# What the project's scripts share. Sourced, not run.

# The SHA-256 of the first certificate in a PEM file, as signers are named: certificate_hash FILE
certificate_hash() { openssl x509 -in "$1" -outform DER | sha256sum | cut -d' ' -f1; }

# A value from the CMake cache of the build folder BUILD: cache_value BUILD NAME
cache_value() { sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt"; }

# Runs a check: check WHAT COMMAND [ARGUMENT...]. It prints "ok - WHAT" or "FAILED - WHAT" with
# the command's output, which goes to a log in the folder $scratch, and counts either.
passed=0
failed=0
check() {
  local what=$1
  shift
  if "$@" >"$scratch/check.log" 2>&1; then
    echo "ok - $what"
    passed=$((passed + 1))
  else
    echo "FAILED - $what"
    sed 's/^/    /' "$scratch/check.log"
    failed=$((failed + 1))
  fi
}

# Prints the counts of a set of checks, and fails when any failed: checks_done NAME
checks_done() {
  echo "$1: $passed passed, $failed failed"
  test "$failed" -eq 0
}
