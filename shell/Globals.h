#pragma once
// The game's long-lived objects are globals built before main() in one fixed
// order, whatever the link order of the libraries: a few constructors draw
// random numbers or read the clock, and that order is behaviour. Each global
// is defined with KARVELIN_GLOBAL(n), n being its place in the list below;
// destruction runs in the reverse order.
//
//  1 rod assembly        9 help overlay         17 options screen      25 species catalogue
//  2 water effects      10 venue catalogue      18 fishes screen       26 landing net
//  3 bait catalogue     11 tide and moon        19 main menu           27 catch log
//  4 venue bottom       12 records screen       20 weather             28 venue background
//  5 tournament         13 tackle-box screen    21 mouse               29 player statistics
//  6 water-ring pool    14 baits screen         22 settings            30 game clock
//  7 file services      15 tournament screen    23 groundbait          31 sound bank
//  8 fishing session    16 venues screen        24 fish on the line    32 panel background
#define KARVELIN_GLOBAL(n) __attribute__((init_priority(1000 + (n))))
