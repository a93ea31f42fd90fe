#pragma once

#include <gtest/gtest.h>

namespace lomvist_test {

// Whether the test binary runs under Wine rather than on Windows itself: Wine's ntdll exports
// wine_get_version, and Windows' does not.
bool under_wine();

// Whether LOMVIST_NO_SKIP=1 asks that a case fail rather than skip where this machine was meant
// to run it, as the hosted Windows job asks: a changed image or a refused link then turns red.
bool skips_refused();

}  // namespace lomvist_test

// Skips a case that this machine cannot host, or fails it when skips are refused. Skips that the
// test binary knows to expect, such as the full device that no Windows has, use GTEST_SKIP.
#define SKIP_UNLESS_REFUSED(why)                                                  \
  if (::lomvist_test::skips_refused()) {                                          \
    GTEST_FAIL() << "skipped, but LOMVIST_NO_SKIP=1 refuses skips here: " << why; \
  } else                                                                          \
    GTEST_SKIP() << why

namespace lomvist_test {

// For the cases that spell the bytes of one ANSI code page: one clear failure where the machine
// has another, rather than a screen of byte differences.
void require_ansi_code_page(unsigned code_page);

// Whether a console in `mode` leaves the cursor in its column at a bare line feed.
bool line_feed_keeps_column(unsigned mode);

}  // namespace lomvist_test
