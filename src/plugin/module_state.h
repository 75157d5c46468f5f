// Module-wide state shared by the entry points: built at load in this order, destroyed at
// unload in reverse. Nothing else in the plug-in is global.
#pragma once

#include <cstdint>
#include <string>

#include "cabrillo/cabrillo_writer.h"
#include "cabrillo/settings.h"
#include "hostauto/host_application.h"
#include "scoring/band_tallies.h"
#include "scoring/contact.h"

// The library's application object; it has no start-up or exit work of its own.
class CTestApp {};

extern CTestApp g_App;
extern CCabrilloWriter g_CabrilloWriter;
extern CHostApplication g_HostDispatch;
extern ContactArray g_Contacts;
extern BandList g_Bands;
// The summary's figures per band, following g_Contacts.
extern BandTallies g_BandTallies;
extern std::string g_Callsign;
extern std::string g_DateText;
extern const std::string g_SettingsSection;
extern const std::string g_SettingsFile;
extern std::string g_ResultText;

extern int32_t g_ExportCabrillo;
extern int32_t g_Score;
extern int32_t g_HostSetupSent;

// Where g_SettingsSection and g_SettingsFile put the plug-in's settings.
inline SettingsLocation pluginSettings()
{
    return {g_SettingsSection, g_SettingsFile};
}
