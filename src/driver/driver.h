#pragma once

#include "platform/platform.h"
#include "report/report_buffer.h"

namespace lomvist {

extern const char usage_text[];

bool is_help_request(const char* argument);

// The total with a variable's count added. It stops at the largest int: wrapping round would turn
// billions of findings into 0, success, or into a negative status.
int add_to_total(int total, int count);

// Handles every argument in order (PATH when there are none), putting the report in `report`,
// and returns the total serious count. `arguments[0]` is the program's own name and is never
// looked at.
int run_arguments(int count, const char* const* arguments, const EnvironmentSnapshot& snapshot,
                  ReportBuffer& report);

// The whole process: this environment, standard output, and the exit status to end with.
int run_process(int count, const char* const* arguments);

}  // namespace lomvist
