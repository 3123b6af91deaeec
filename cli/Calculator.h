#pragma once
// The command-line calculator's run, for the two programs that carry it out: the text part
// (korvane-calc-text.so, loaded by korvane-calc) and the drawing part (korvane-calc-draw).

namespace korvane {

// Parses the arguments, writes the outputs and returns the exit status.
int RunCalculator(int argc, char *argv[]);

} // namespace korvane
