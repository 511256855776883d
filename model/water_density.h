#pragma once

// Density of water at T °C (close to 1 near 4 °C; only ratios and differences of it are used).
float WaterDensity(float T);
