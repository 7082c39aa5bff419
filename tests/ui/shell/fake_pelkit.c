/* A library named like the pixel library that marks a file when anything loads it: put in a
   program folder, it tells whether the game took its parts from there. */
#include <stdio.h>
#include <stdlib.h>

__attribute__((constructor)) static void markLoaded(void) {
    const char* mark = getenv("VEXMORA_FAKE_PELKIT_MARK");
    if (mark) {
        FILE* file = fopen(mark, "w");
        if (file) fclose(file);
    }
}
