// The entry points: thin and total. They read their arguments safely, hand the work to the
// store, summary and rules below, and never let an exception reach the host.
#include "plugin/exports.h"

#include <string>
#include <utility>

#include "cabrillo/export_run.h"
#include "cabrillo/header_fields.h"
#include "cabrillo/settings.h"
#include "hostauto/host_setup.h"
#include "platform/platform.h"
#include "plugin/entry_args.h"
#include "plugin/module_state.h"
#include "rules/repeat_rule.h"
#include "rules/repeat_warning.h"
#include "scoring/contact_store.h"
#include "scoring/score_summary.h"

namespace {

const char* const SetName = "VSC";

CInfo contactFromArgs(const char* call, const COleDateTime* time, unsigned frequencyHz,
                      const char* mode, const char* rstSent, const char* rstRcvd,
                      const char* exchSent, const char* exchRcvd, const char* aux1,
                      const char* aux2, const char* band)
{
    CInfo contact;
    contact.Call = textArg(call);
    contact.Band = textArg(band);
    contact.Mode = textArg(mode);
    contact.Aux2 = textArg(aux2);
    contact.ExchRcvd = textArg(exchRcvd);
    contact.ExchSent = textArg(exchSent);
    contact.RstSent = textArg(rstSent);
    contact.RstRcvd = textArg(rstRcvd);
    contact.Aux1 = textArg(aux1);
    contact.FreqKHz = static_cast<int32_t>(frequencyHz / 1000u);
    contact.Time = dateArg(time);
    return contact;
}

}  // namespace

int GetNumberOfSets()
{
    return 1;
}

const char* GetSetName(int index)
{
    return index == 0 ? SetName : "";
}

void SetupSet0()
{
    try {
        platform::showMessageBox("No additional setup for this contest", nullptr, platform::MbOk);
    } catch (...) {
    }
}

int ResetStats0(const char*, int exportCabrillo, const char* callsign, const COleDateTime*,
                const COleDateTime* titleDate, const char*, const char*, const char*,
                const char*, const char*, const char*, const char*, const char*, const char*,
                const char*, int, int, int, double, double, const char*, const char*,
                const char*)
{
    try {
        g_DateText = formatDateRecord(dateArg(titleDate), "%d.%m.%y");
        clearStore(g_Contacts, g_Bands, g_BandTallies);
        g_ExportCabrillo = exportCabrillo;
        g_Callsign = textArg(callsign);
        if (g_ExportCabrillo != 0) {
            g_CabrilloWriter.SetupHeader(
                textArg(callsign), pluginSettings(), [](platform::HeaderDialogTexts& texts) {
                    return platform::showHeaderDialog(headerDialogLayout(), texts);
                });
        }
    } catch (...) {
    }
    return 1;
}

int AddData0(const char*, const char* call, const COleDateTime* time, const COleDateTime*,
             const COleDateTime*, const COleDateTime*, unsigned, unsigned frequencyHz,
             const char* mode, const char* rstSent, const char* rstRcvd, const char* exchSent,
             const char* exchRcvd, const char*, const char*, const char*, const char*,
             const char*, const char*, const char*, const char*, const char*, const char* aux1,
             int, int, int, double, double, const char*, const char* aux2, const char*,
             const char* band, const char*)
{
    try {
        addContact(g_Contacts, g_Bands, g_BandTallies,
                   contactFromArgs(call, time, frequencyHz, mode, rstSent, rstRcvd, exchSent,
                                   exchRcvd, aux1, aux2, band));
    } catch (...) {
    }
    return 1;
}

int RemoveData0(const char*, const char* call, const COleDateTime* time, const COleDateTime*,
                const COleDateTime*, const COleDateTime*, unsigned, unsigned, const char* mode,
                const char*, const char*, const char* exchSent, const char* exchRcvd,
                const char*, const char*, const char*, const char*, const char*, const char*,
                const char*, const char*, const char*, const char*, int, int, int, double,
                double, const char*, const char*, const char*, const char* band, const char*)
{
    if (isEmptyText(exchRcvd) || isEmptyText(exchSent)) {
        return 0;
    }
    try {
        CInfo key;
        key.Call = textArg(call);
        key.Mode = textArg(mode);
        key.Band = textArg(band);
        key.Time = dateArg(time);
        removeContact(g_Contacts, g_BandTallies, key);
    } catch (...) {
    }
    return 1;
}

int CheckCallFunc0(const char* call, unsigned, unsigned, const char* mode, const char*,
                   const char*, const char*, const char*, const char*, const char*, const char*,
                   const char*, const char*, const char*, int, int, int, double, double,
                   const char*, const char*, const char*, const char*, const char*,
                   const char* band, const char*, char*, char* warning)
{
    try {
        const RepeatVerdict verdict = judgeRepeat(g_Contacts, textArg(call), textArg(mode),
                                                  textArg(band), platform::utcNow());
        if (verdict.tooEarly && warning != nullptr) {
            composeRepeatWarning(textArg(call), verdict.minutesToWait, warning,
                                 WarningBufferSize);
        }
        return verdict.accepted ? 1 : 0;
    } catch (...) {
        // Out of memory while judging: let the operator log the contact rather than lose it.
        return 1;
    }
}

const char* GetResult0(int* score)
{
    try {
        g_ResultText.clear();
        ScoreSummary summary = buildScoreSummary(g_BandTallies, g_Contacts.size(), g_Bands,
                                                 g_DateText, g_Callsign);
        g_ResultText = std::move(summary.text);
        g_Score = summary.score;
        if (score != nullptr) {
            *score = g_Score;
        }
        // The summary stands whether or not the settings file could be written.
        updateSetting(pluginSettings(), ClaimedScoreKey, std::to_string(g_Score));
        if (g_ExportCabrillo != 0) {
            runCabrilloExport(g_Contacts, g_CabrilloWriter, g_Score, score);
        }
        if (g_HostSetupSent == 0) {
            SetUpHost(g_HostDispatch, g_HostSetupSent);
        }
    } catch (...) {
    }
    return g_ResultText.c_str();
}

int StatsGetExchgCount0(const char*, const char*, const char*)
{
    return 1;
}

int StatsIsValidExchg0(const char*, const char*, const char*, const char*, int, int, int)
{
    return 0;
}
