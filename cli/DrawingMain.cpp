// korvane-calc-draw: the command-line calculator's drawing part, which korvane-calc starts in
// its place for a run that writes a picture, a page or the draw log.

#include "cli/Calculator.h"

int main(int argc, char *argv[]) {
    return korvane::RunCalculator(argc, argv);
}
