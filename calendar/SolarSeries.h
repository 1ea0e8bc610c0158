#pragma once
// The two evaluations of the solar longitude's periodic sum and of the equation of time: the
// power series about the nearest grid point, which the solar functions use, and the direct
// formulas with one sine per term, which they fall back on far from any grid point. Only the
// solar code and the tests that hold the two against each other include this header.

namespace orvandel::solar {

// The periodic sum of the solar longitude at C Julian centuries since J2000: 49 terms
// X sin(Y + Z C), in units of 1e-7 radian. SolarLongitudeSeries evaluates the sum's Taylor
// polynomial about the nearest grid point (one every eight days of dynamical time);
// SolarLongitudeSeriesDirect takes one sine per term. They differ by the rounding of their
// angles, below 1e-17 + 1.8e-16 |C| degrees of longitude (1e-17 degrees near 2000).
long double SolarLongitudeSeries(long double C);
long double SolarLongitudeSeriesDirect(long double C);

// The equation of time at U moment T, in days, with each sine taken on its own instead of from
// the power series about the nearest grid point: the two differ by the rounding of their
// angles.
double EquationOfTimeDirect(double T);

}  // namespace orvandel::solar
