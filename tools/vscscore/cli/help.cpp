// The text of vscscore --help.
#include "cli/help.h"

#include "cli/exit_status.h"

namespace {

const char Usage[] =
    "vscscore - score a VESTAR CUP (VSC) log with the Stats plug-in, as the logger Ravo does\n"
    "\n"
    "Usage:\n"
    "  vscscore [OPTIONS] score LOG.adi\n"
    "      Feeds every contact of the log to the plug-in and prints its score summary.\n"
    "  vscscore [OPTIONS] export LOG.adi\n"
    "      The same, asking the plug-in for its Cabrillo file too: CALL.cbr in this folder,\n"
    "      named after your callsign as the plug-in names it (\"/\" becomes \"_\"). When the\n"
    "      plug-in reports the file produced, reads it back, checks that it holds every\n"
    "      contact once, field for field, and lints it (see lint). An earlier file that\n"
    "      differs is kept as CALL.cbr~; a symbolic link there is refused.\n"
    "  vscscore [OPTIONS] check LOG.adi CALL BAND MODE\n"
    "      Asks the plug-in whether CALL may be worked now on BAND (40 or 40m) in MODE (CW,\n"
    "      SSB) after the contacts of the log, and prints its answer and warning.\n"
    "  vscscore [OPTIONS] audit LOG.adi\n"
    "      Replays the log in time order under the contest's repeat rule and lists every\n"
    "      exact repeat and every contact made too early on another band or mode.\n"
    "  vscscore [--date YYYY-MM-DD [--hours N]] lint FILE.cbr\n"
    "      Checks a Cabrillo 3.0 file, from this plug-in or any logger, as a contest\n"
    "      sponsor's robot would: its tags and header values, its QSO lines, the header\n"
    "      against them (callsign, claimed score, band and mode categories), the contest's\n"
    "      bands and repeat rule; with --date, contacts outside the contest period. Each\n"
    "      finding has its line and is an error (the robot rejects the log) or a warning.\n"
    "  vscscore [OPTIONS] report [--off-time MIN] [--html FILE] LOG.adi\n"
    "      The contest at a glance: the rate sheet (QSOs/points per UTC clock hour and band),\n"
    "      the best 10- and 60-minute rates, operating time and off periods, band changes,\n"
    "      points per band, and the audit's counts with the points they would cost. With\n"
    "      --html, also a page with the same tables and charts, readable in any browser.\n"
    "      --off-time MIN: the shortest gap with no contact that counts as off time, in\n"
    "      calendar minutes (default 30; a contact at 1000 and the next at 1031 leave 30).\n"
    "  vscscore crosscheck [--rules FILE] [--out DIR] [--date D --hours H] [--html]\n"
    "                     LOG.cbr... | FOLDER\n"
    "      The sponsor's cross-check of every entrant's Cabrillo log: matched contacts,\n"
    "      busted calls and exchanges, not-in-log, each log's clock, checked scores; with\n"
    "      --html also the results as a static site; see vscscore crosscheck --help.\n"
    "\n"
    "LOG.adi is the ADIF file (.adi) your logger exports. Calls are read in upper case;\n"
    "USB and LSB count as SSB; a contact with BAND and no FREQ is put at the band's lower\n"
    "edge. Every repair, every record skipped and every contact that may not score or\n"
    "read back as meant (an exchange that is no plain integer, a missing RST_SENT,\n"
    "RST_RCVD, STX_STRING or SRX_STRING, a band outside 160-10 m) is named with its record.\n"
    "\n"
    "Options:\n"
    "  --call CALL        your callsign (default: STATION_CALLSIGN, else OPERATOR, in the log)\n"
    "  --date YYYY-MM-DD  the contest date in the summary (default: the first contact's date);\n"
    "                     for lint and export, the contest starts on it at 0000 UTC\n"
    "  --hours N          for lint and export: the contest lasts N hours (default 24)\n"
    "  --library PATH     the plug-in to load (default: the one beside this program's real\n"
    "                     file, else in ../lib/vscscore/ from there)\n"
    "  -h, --help         this text\n"
    "  --version          prints the version (given alone)\n"
    "\n"
    "The plug-in keeps its settings in Plugins/VESTAR.ini under the current folder, when\n"
    "there is a Plugins folder.\n"
    "\n"
    "Exit status:\n";

const char Trailer[] =
    "Skipped, repaired and warned records are named and counted on standard error.\n";

}  // namespace

std::string helpText()
{
    std::string text = Usage;
    for (const ExitMeaning& meaning : ExitMeanings) {
        text += "  " + std::to_string(meaning.status) + "  " + meaning.text + "\n";
    }
    return text + Trailer;
}
