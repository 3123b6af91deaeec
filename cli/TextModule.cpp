// korvane-calc-text.so: the command-line calculator's text part, loaded by korvane-calc for
// every run that draws nothing. Its only visible symbol is the entry below.

#include "cli/Calculator.h"

extern "C" __attribute__((visibility("default"))) int korvane_calc_text_run(int argc,
                                                                            char *argv[]) {
    return korvane::RunCalculator(argc, argv);
}
