#pragma once
// Loading and saving the user's settings file in the settings folder of the
// user (base data directory + user name).

#include <string>
#include <string_view>

#include "shift/VacationBlock.h"
#include "settings/Settings.h"

namespace sk {

// Reads "Einstellungen.dat" of the user `settings.userName` below the base
// data directory into `settings`. Missing keys take their defaults, except
// that a missing or unusable "Anwendername" keeps the name of the folder the
// file was read from (so a user whose file is missing is not silently
// switched to "Programm"), and an empty "Anwenderverzeichnis" means the base
// data directory. Values outside the ranges the program relies on are
// brought back into them (SanitizeSettings).
//
// The vacation order tables are rebuilt from their constants and the table
// of the era of `currentYear` is rotated `vacationCycle` times, so the
// rotation in force depends only on the file, never on earlier loads.
// The font is not loaded here.
void LoadSettings(Settings& settings, const std::string& baseDataDirectory, VacationOrderTables& tables,
                  int currentYear);

// Writes the whole file anew (atomically: the old file stays when the new
// one cannot be written). Returns false when nothing could be written. The
// base data directory as "Anwenderverzeichnis" is written as an empty value
// (read back as the base directory of whichever run reads it), so a copied
// or moved "SKDaten" keeps using itself; a shared folder stays absolute.
bool SaveSettings(const Settings& settings, const std::string& baseDataDirectory);
// Whether a stored "Anwenderverzeichnis" means the base data directory
// (empty, or that folder with or without its final "/").
bool IsBaseDataDirectory(std::string_view userDirectory, std::string_view baseDataDirectory);

// The rotation LoadSettings applies, on its own (the settings dialog uses
// ResetVacationOrder and RotateVacationOrder for its own year instead).
void ApplyVacationCycle(VacationOrderTables& tables, int year, int vacationCycle);

}  // namespace sk
