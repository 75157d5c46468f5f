// Definitions of the module-wide state; one translation unit keeps the construction order.
#include "plugin/module_state.h"

CTestApp g_App;
CCabrilloWriter g_CabrilloWriter;
CHostApplication g_HostDispatch;
ContactArray g_Contacts;
BandList g_Bands;
BandTallies g_BandTallies;
std::string g_Callsign;
std::string g_DateText;
const std::string g_SettingsSection = PluginSettingsSection;
const std::string g_SettingsFile = PluginSettingsFile;
std::string g_ResultText;

int32_t g_ExportCabrillo = 0;
int32_t g_Score = 0;
int32_t g_HostSetupSent = 0;
