// A program that never ends, for the check that the test binary ends what outlives its limit.
#include <windows.h>

int main() {
  Sleep(INFINITE);
  return 0;
}
