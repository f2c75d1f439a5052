#pragma once

// The product constants, shown in captions, the about box, report footers and the SIE header.
inline constexpr const char* ApplicationTitle = "Valdrona Kpgm Klient";
inline constexpr const char* ProductName = "Valdrona konteringsprogram";
inline constexpr const char* VersionText = "4.0.6";
inline constexpr const char* BuildDate = "2012-02-09";
inline constexpr const char* HelpFileName = "QVB.HLP";

// The structure version of the database this program is written for (setting DB_VERSION).
inline constexpr int ExpectedDatabaseVersion = 18;
