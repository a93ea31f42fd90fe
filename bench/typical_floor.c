/* A plain C checker for a typical run: split PATH at ';', stat() every entry and write the same
   heading, entry lines, existence findings and summary through stdio. No lookup rules and no form
   checks. Built the default way, with the dynamic C library, as a C program would be. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

int main(int argc, char** argv) {
  const char* name = argc > 1 ? argv[1] : "PATH";
  const char* value = getenv(name);
  if (value == NULL) {
    printf("\n ***** Enviroment variable (%s) is not set *****\n", name);
    return 1;
  }
  printf("\n<<<Checking enviroment variable (%s)>>>\n", name);
  static char copy[102400];
  strncpy(copy, value, sizeof copy - 1);
  int serious = 0;
  for (char* entry = strtok(copy, ";"); entry != NULL; entry = strtok(NULL, ";")) {
    struct stat status;
    if (stat(entry, &status) != 0) {
      printf("U: (%s)\n   *** the directory does not exist ***\n", entry);
      ++serious;
    } else if (!S_ISDIR(status.st_mode)) {
      printf("F: (%s)\n   *** is a file (not directory) ***\n", entry);
      ++serious;
    } else {
      printf("D: (%s)\n", entry);
    }
  }
  if (serious != 0) printf("\n***** %s may have %d serious errors\n", name, serious);
  return serious;
}
