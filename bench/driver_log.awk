# Writes an ADIF log of n contacts for the driver's benchmark: 2 seconds apart from
# 2025-02-15 00:00 on, n/10 stations each worked about ten times over six bands and two modes,
# so the log holds exact repeats and contacts made too early.
# Usage: awk -v n=200000 -f driver_log.awk >log.adi
function field(name, value) {
    printf "<%s:%d>%s", name, length(value), value
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
        second = i * 2
        day = 15 + int(second / 86400)
        second %= 86400
        k = (i % 50 == 1) ? k : (i * 7919) % stations
        b = 1 + (i * 31 + k) % 6
        field("CALL", sprintf("Q%dB%04d", k % 10, k))
        field("QSO_DATE", sprintf("202502%02d", day))
        field("TIME_ON", sprintf("%02d%02d%02d", int(second / 3600), int(second / 60) % 60,
                                 second % 60))
        field("BAND", band[b])
        field("FREQ", freq[b])
        field("MODE", (i % 3 == 0) ? "SSB" : "CW")
        field("RST_SENT", "599")
        field("RST_RCVD", "599")
        field("STX_STRING", "5")
        field("SRX_STRING", sprintf("%d", 1 + k % 40))
        field("STATION_CALLSIGN", "Q9VSC")
        printf "<EOR>\n"
    }
}
