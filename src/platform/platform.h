#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lomvist {

// "NAME=value" texts in the order the process received them; entries that begin with '=' are
// left out, as Windows keeps its per-drive current folders there.
using EnvironmentSnapshot = std::vector<std::string>;

// Reads the process's environment once, at start-up.
EnvironmentSnapshot take_environment_snapshot();

// Attribute bits as Windows reports them; every platform maps its own query onto these.
constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;
constexpr std::uint32_t kDirectoryAttribute = 0x10;

// The attributes of `path`, taken unchanged, or kInvalidAttributes when the query fails.
std::uint32_t query_attributes(const char* path);

// Whether the first `length` bytes of `a` and `b` spell the same variable name. POSIX folds A to
// Z alone, as names there are plain bytes; Windows compares them as its own environment does.
bool names_equal(const char* a, const char* b, std::size_t length);

// The process exit status that carries `total` to the parent without wrapping around.
int exit_status_for(int total);

}  // namespace lomvist
