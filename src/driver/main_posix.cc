#include "driver/driver.h"

int main(int argc, char** argv) { return lomvist::run_process(argc, argv); }
