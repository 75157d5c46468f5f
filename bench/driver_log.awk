# Writes an ADIF log of n contacts for the driver's benchmark: 2 seconds apart from
# 2025-02-15 00:00 on, n/10 stations each worked about ten times over six bands and two modes,
# so the log holds exact repeats and contacts made too early. days spreads them evenly over
# that many days instead; stray adds one more contact a year after the last. one works a single
# station, half the log on 20 m, then half on 15 m 11 minutes later: the repeat rule's worst case.
# Usage: awk -v n=200000 [-v days=300] [-v stray=1] [-v one=1] -f civil_date.awk
#            -f driver_log.awk >log.adi
function field(name, value) {
    printf "<%s:%d>%s", name, length(value), value
}
function contact(second, k, b, mode) {
    field("CALL", sprintf("Q%dB%04d", k % 10, k))
    field("QSO_DATE", civilDate(20134 + int(second / 86400)))
    second %= 86400
    field("TIME_ON", sprintf("%02d%02d%02d", int(second / 3600), int(second / 60) % 60,
                             second % 60))
    field("BAND", band[b])
    field("FREQ", freq[b])
    field("MODE", mode)
    field("RST_SENT", "599")
    field("RST_RCVD", "599")
    field("STX_STRING", "5")
    field("SRX_STRING", sprintf("%d", 1 + k % 40))
    field("STATION_CALLSIGN", "Q9VSC")
    printf "<EOR>\n"
}
BEGIN {
    split("1.820 3.520 7.020 14.020 21.020 28.020", freq, " ")
    split("160m 80m 40m 20m 15m 10m", band, " ")
    stations = int(n / 10)
    if (stations < 1) {
        stations = 1
    }
    printf "driver benchmark log\n<ADIF_VER:5>3.1.4<EOH>\n"
    for (i = 0; i < n; i++) {
        second = days ? int(i * days * 86400 / n) : i * 2
        if (one) {
            contact(second + (i < n / 2 ? 0 : 660), 1, i < n / 2 ? 4 : 5, "CW")
            continue
        }
        k = (i % 50 == 1) ? k : (i * 7919) % stations
        contact(second, k, 1 + (i * 31 + k) % 6, (i % 3 == 0) ? "SSB" : "CW")
    }
    if (stray) {
        contact(second + 365 * 86400, k, 4, "CW")
    }
}
