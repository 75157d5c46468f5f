# Writes an ADIF log of n contacts for the report's benchmark (scripts/bench-report.sh):
# stations from a pool of 40 000, so that some are worked again; a band change now and then.
# days: the span the contacts are spread over; stray: one more contact a year after the last.
# Usage: awk -v n=200000 -v days=2 -v stray=0 -f civil_date.awk -f report_log.awk >log.adi
function field(name, value) {
    return "<" name ":" length(value) ">" value " "
}
function contact(second, b,    time, call) {
    time = sprintf("%02d%02d%02d", int(second % 86400 / 3600), int(second / 60) % 60,
                   second % 60)
    call = sprintf("Q%d%c%c%c", int(rand() * 10), 65 + int(rand() * 26),
                   65 + int(rand() * 26), 65 + int(rand() * 60) % 26)
    printf "%s%s%s%s%s%s%s%s<EOR>\n", field("CALL", call),
        field("QSO_DATE", civilDate(20134 + int(second / 86400))), field("TIME_ON", time),
        field("BAND", band[b] "m"), field("FREQ", mhz[b]),
        field("MODE", rand() < 0.5 ? "CW" : "SSB"),
        field("SRX_STRING", 1 + int(rand() * 10)), field("STATION_CALLSIGN", "Q9VSC")
}
BEGIN {
    srand(19)
    split("160 80 40 20 15 10", band, " ")
    split("1.83 3.55 7.02 14.05 21.05 28.05", mhz, " ")
    print "generated for the report benchmark"
    print "<EOH>"
    b = 3
    for (i = 0; i < n; ++i) {
        if (rand() < 0.02) {
            b = 1 + int(rand() * 6)
        }
        contact(int(i * days * 86400 / n), b)
    }
    if (stray) {
        contact((days + 365) * 86400 + 3600, 4)
    }
}
