# The benchmarks' log generators' one calendar: days since 1970-01-01 as YYYYMMDD, by the
# civil-from-days method (proleptic Gregorian), so no awk needs strftime.
function civilDate(z,    era, doe, yoe, doy, mp, d, m, y) {
    z += 719468
    era = int(z / 146097)
    doe = z - era * 146097
    yoe = int((doe - int(doe / 1460) + int(doe / 36524) - int(doe / 146096)) / 365)
    doy = doe - (365 * yoe + int(yoe / 4) - int(yoe / 100))
    mp = int((5 * doy + 2) / 153)
    d = doy - int((153 * mp + 2) / 5) + 1
    m = mp < 10 ? mp + 3 : mp - 9
    y = yoe + era * 400 + (m <= 2)
    return sprintf("%04d%02d%02d", y, m, d)
}
