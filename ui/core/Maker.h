#pragma once
// Who made the program and what it is called; shown in the about box and at
// the foot of the configuration report.
inline constexpr const char* kProductName = "Vantrel";
inline constexpr const char* kVersionText = "Ver 1.9.6 Build20170505";
inline constexpr const char* kMakerName = "Kvor Marine Electronics";
inline constexpr const char* kMakerWebUrl = "https://www.kvor.example/";
inline constexpr const char* kMakerWebText = "www.kvor.example";
inline constexpr int kMakerFirstYear = 2012;
