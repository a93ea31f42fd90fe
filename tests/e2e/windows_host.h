#pragma once

namespace lomvist_test {

// Whether the test binary runs under Wine rather than on Windows itself: Wine's ntdll exports
// wine_get_version, and Windows' does not.
bool under_wine();

}  // namespace lomvist_test
