// What the game says of itself: its name and version, and how to reach its maker.
#pragma once

namespace blivo {

inline constexpr const char* kCaption = "Blivo Turnix V1.6";
inline constexpr const char* kProgramName = "Blivo Turnix";
inline constexpr const char* kVersionLine = "Version  V1.6";
inline constexpr const char* kMakerSite = "https://blivogames.example/";
inline constexpr const char* kMakerMail = "turnix@blivogames.example";

}  // namespace blivo
