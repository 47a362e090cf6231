#pragma once
// How the money and quantity types round after every change. The numbers are the codes that
// records and the older interfaces keep, so they never change.
enum class rounding : unsigned {
    half_away = 0,   // half away from zero
    truncate = 1,    // toward zero
    half_even = 2,   // half to the even neighbour
};
