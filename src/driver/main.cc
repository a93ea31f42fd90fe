#include <cstdio>

#include "driver/driver.h"

int main(int argc, char** argv) {
  const lomvist::EnvironmentSnapshot snapshot = lomvist::take_environment_snapshot();
  const int total = lomvist::run_arguments(argc, argv, snapshot, stdout);
  std::fflush(stdout);
  return lomvist::exit_status_for(total);
}
