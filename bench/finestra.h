#pragma once

#include <benchmark/benchmark.h>
#include <functional>

class QWidget;

// The window crea makes, opened once an iteration, shown and drawn as on screen; closing it is
// not timed. Returns the rows of its grid named griglia, as the last one listed them.
int aprifinestra(benchmark::State &s, const std::function<QWidget *()> &crea, const char *griglia);

// The main of a benchmark of windows: an application on the offscreen platform, then every
// benchmark of the program.
int eseguifinestre(int argc, char **argv);
