// What the settings window's lists hold. Their positions are what the settings store, so the
// entries and their order are fixed.
#pragma once

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/fonts.h"
#include "settings/settings_fields.h"

namespace horalix {

// Fills Combo1 to Combo7 of the settings window.
void fillSettingsLists(const SettingsFields& fields, const platform::FileSystem& files,
                       const platform::FontService& fonts, const std::string& programFolder);

}  // namespace horalix
