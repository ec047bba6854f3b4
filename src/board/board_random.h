// Every random draw of the board goes through here, so that a test can script the results of one
// exact range (the bonus draw's (1, 1000), say) while every other range keeps drawing from the
// platform's seeded generator.
#pragma once

#include <vector>

// Rand and Rnd of the platform, unless results are queued for exactly (a, b).
int BoardRand(int a, int b);
double BoardRnd(double a, double b);

// Queues results that BoardRand(a, b) returns, in order, before it draws again.
void BoardRandScript(int a, int b, const std::vector<int>& values);
void BoardRndScript(double a, double b, const std::vector<double>& values);
// Forgets every queued result.
void BoardRandClearScripts();
