// Hum elimination: mains frequencies and the notch width.
#pragma once

namespace scrubwell {

inline constexpr double kHum60Hz = 60.0;
inline constexpr double kHum50Hz = 50.0;
inline constexpr double kHumDefaultFrequency = kHum50Hz;

inline constexpr int kHumSliderMax = 4;
inline constexpr double kHumWidthNarrowest = 0.1; // also the default
inline constexpr double kHumWidthWidest = 0.5;
// The load's lower bound and the readout use the extended values nearest 0.1 and 0.4.
inline constexpr long double kHumWidthNarrowestX = 0.1L;
inline constexpr long double kHumWidthSpanX = 0.4L;

} // namespace scrubwell
