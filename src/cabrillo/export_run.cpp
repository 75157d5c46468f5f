// The export run of a result request.
#include "cabrillo/export_run.h"

#include "cabrillo/qso_line.h"
#include "platform/platform.h"

std::string exportContacts(const ContactArray& contacts, CCabrilloWriter& writer,
                           int32_t claimedScore)
{
    // Lines of an earlier run would be written again: a sponsor scores them as duplicates.
    writer.QsoLines.clear();
    for (const CInfo& contact : contacts) {
        writer.AddQso(contact.Call, contact.FreqKHz, cabrilloMode(contact.Mode), contact.Time,
                      contact.RstSent, contact.ExchSent, contact.RstRcvd, contact.ExchRcvd);
    }
    return writer.WriteLog(claimedScore);
}

void runCabrilloExport(const ContactArray& contacts, CCabrilloWriter& writer,
                       int32_t claimedScore, int* scorePointer)
{
    const std::string report = exportContacts(contacts, writer, claimedScore);
    platform::showMessageBox(report, "Output", platform::MbOk | platform::MbIconInformation,
                             platform::MessageBoxOwner::ActiveWindow);
    if (scorePointer != nullptr) {
        *scorePointer = -1;
    }
}
