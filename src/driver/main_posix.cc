#include <csignal>

#include "driver/driver.h"

int main(int argc, char** argv) {
  // A file-size limit (ulimit -f) would kill the program without a word; ignored, the write
  // fails with EFBIG, and the report is one that could not be written, said on standard error.
  std::signal(SIGXFSZ, SIG_IGN);
  return lomvist::run_process(argc, argv);
}
