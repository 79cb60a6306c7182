#pragma once
// Sizes are given at 96 DPI and scale with the monitor's DPI, rounded to the
// nearest pixel (MulDiv's rounding). Stored geometry is never scaled.
constexpr int BaseDpi = 96;

constexpr int ScaleForDpi(int size96, int dpi) {
  if (dpi <= 0) dpi = BaseDpi;
  long long scaled = static_cast<long long>(size96) * dpi;
  long long half = BaseDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / BaseDpi : -((-scaled + half) / BaseDpi));
}
