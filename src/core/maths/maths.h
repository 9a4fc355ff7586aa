// The transcendental functions of the rules, from one implementation on every
// edition. glibc's and Emscripten's differ in the last bit for some arguments,
// and that difference would let a seeded game on the desktop drift away from
// the same game in the browser. So both are built from musl's sources, the
// very ones Emscripten's C library is made of. sqrt needs none of this: IEEE
// rounds it exactly everywhere.
#pragma once

extern "C" {
double brassmoor_sin(double x);
double brassmoor_cos(double x);
double brassmoor_atan(double x);
double brassmoor_pow(double x, double y);
}
