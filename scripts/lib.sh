# shellcheck shell=bash
# What the project's scripts share. Sourced, not run.

# The SHA-256 of the first certificate in a PEM file, as signers are named: certificate_hash FILE
certificate_hash() { openssl x509 -in "$1" -outform DER | sha256sum | cut -d' ' -f1; }

# The last commit's time, for SOURCE_DATE_EPOCH, in the work tree that the caller is in: now's
# outside a git work tree, as in an unpacked source tarball. A work tree whose log git will not
# read fails with git's reason rather than with a time that nothing can reproduce, as where the
# workspace belongs to another user (git's "dubious ownership").
commit_time() {
  if [ ! -e .git ]; then
    date +%s
    return
  fi
  local time
  if ! time=$(git log -1 --format=%ct 2>&1) || [[ ! $time =~ ^[0-9]+$ ]]; then
    printf "the last commit's time could not be read for SOURCE_DATE_EPOCH:\n%s\n" "$time" >&2
    return 1
  fi
  echo "$time"
}

# The .zip stores local times and every package its files' modes: a build of files to compare
# runs in UTC with umask 022, whatever the builder's.
fixed_build_settings() {
  export TZ=UTC
  umask 022
}

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

# Ends the wineserver of the Wine prefix PREFIX, and what runs in it, and waits until it has
# written the registry and gone: stop_wineserver PREFIX
stop_wineserver() {
  WINEPREFIX=$1 /usr/lib/wine/wineserver -k 2>/dev/null
  WINEPREFIX=$1 /usr/lib/wine/wineserver -w
}
