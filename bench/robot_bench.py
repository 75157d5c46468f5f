"""vscrobot serve under load on loopback: ENTRANTS distinct Cabrillo logs of QSOS lines each,
uploaded through POST /submit from CLIENTS concurrent clients, each a connection of its own.
Every upload must be receipted (200, its call and a receipt number of its own) and every call
listed on /logs and by `vscrobot list` afterwards. Prints the throughput, the latency's p50 and
p99, and the server's peak memory (VmHWM) and CPU time. Not a test: it never fails on speed.

Usage: python3 robot_bench.py ROBOT TEMPLATE.cbr WORK [ENTRANTS QSOS CLIENTS]
TEMPLATE.cbr gives the header and the QSO line's columns (the driver's export of the sample).
"""
import concurrent.futures
import datetime
import html.parser
import http.client
import os
import re
import signal
import subprocess
import sys
import threading
import time

BANDS = [(1830, "CW"), (3550, "CW"), (7020, "CW"), (14030, "CW"), (21030, "CW"), (28030, "CW")]


LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"


def suffix(number):
    """Three letters, distinct for each number below 17 576."""
    return "".join(LETTERS[(number // 26 ** k) % 26] for k in (2, 1, 0))


def entrant_call(number):
    return f"R{LETTERS[number % 7]}{number % 10}{suffix(number)}"


def qso_line(freq, mode, when, own, sent, worked, received):
    """The line in the plug-in's columns."""
    report = "599" if mode == "CW" else "59"
    return (f"QSO: {freq:>5} {mode:>2} {when:%Y-%m-%d %H%M} {own:<13} {report:<3} {sent:<6} "
            f"{worked:<13} {report:<3} {received}")


def make_log(header, number, qsos, start):
    """The entrant's log: the template's header with its call and claimed score, then QSOS
    lines a minute or more apart, each with a station of its own, all inside the period."""
    call = entrant_call(number)
    sent = str(number % 30 + 1)
    lines, points = [], 0
    step = max(1, (23 * 60) // qsos)
    for i in range(qsos):
        freq, mode = BANDS[(number + i // 50) % len(BANDS)]
        received = (number * 7 + i) % 40 + 1
        points += received
        when = start + datetime.timedelta(minutes=i * step)
        lines.append(qso_line(freq, mode, when, call, sent, f"UA{i % 10}{suffix(i)}", received))
    text = []
    for line in header:
        tag = line.split(":", 1)[0]
        if tag == "CALLSIGN":
            line = f"CALLSIGN: {call}"
        elif tag == "CLAIMED-SCORE":
            line = f"CLAIMED-SCORE: {points}"
        elif tag == "OPERATORS":
            line = f"OPERATORS: {call}"
        text.append(line)
    text += lines + ["END-OF-LOG:", ""]
    return call, "\r\n".join(text).encode("ascii")


def multipart(call, body):
    boundary = f"----vscrobot-bench-{call}"
    head = (f"--{boundary}\r\nContent-Disposition: form-data; name=\"log\"; "
            f"filename=\"{call}.cbr\"\r\nContent-Type: application/octet-stream\r\n\r\n")
    tail = (f"\r\n--{boundary}\r\nContent-Disposition: form-data; name=\"text\"\r\n\r\n"
            f"\r\n--{boundary}--\r\n")
    return f"multipart/form-data; boundary={boundary}", head.encode() + body + tail.encode()


class Client:
    """One entrant's browser: a connection of its own, opened again when the server closes it."""

    def __init__(self, host, port):
        self.host, self.port, self.connection = host, port, None

    def post(self, path, content_type, body):
        for attempt in (1, 2):
            if self.connection is None:
                self.connection = http.client.HTTPConnection(self.host, self.port, timeout=120)
            try:
                self.connection.request("POST", path, body, {"Content-Type": content_type})
                response = self.connection.getresponse()
                page = response.read()
                if response.getheader("Connection", "").lower() == "close":
                    self.connection.close()
                    self.connection = None
                return response.status, page
            except (http.client.RemoteDisconnected, ConnectionResetError, BrokenPipeError):
                self.connection.close()
                self.connection = None
                if attempt == 2:
                    raise
        raise AssertionError("unreachable")


def start_server(robot, data, period_start, hours):
    deadline = (datetime.datetime.now(datetime.timezone.utc) + datetime.timedelta(days=1))
    server = subprocess.Popen(
        [robot, "serve", "--data", data, "--listen", "127.0.0.1:0",
         "--date", f"{period_start:%Y-%m-%d %H:%M}", "--hours", str(hours),
         "--deadline", f"{deadline:%Y-%m-%d %H:%M}", "--uploads-per-minute", "0"],
        stdout=subprocess.PIPE, stderr=open(f"{data}.serve.err", "w"), text=True)
    line = server.stdout.readline()
    match = re.match(r"listening on http://([0-9.]+):([0-9]+)/$", line.strip())
    if not match:
        server.kill()
        sys.exit(f"robot_bench: vscrobot serve said {line!r}, not where it listens")
    return server, match.group(1), int(match.group(2))


def proc_status(pid, key):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


class FirstCells(html.parser.HTMLParser):
    """The first cell's text of each row of the table with the given id."""

    def __init__(self, table):
        super().__init__()
        self.table, self.inside, self.cell, self.cells, self.taken = table, False, None, [], False

    def handle_starttag(self, tag, attrs):
        if tag == "table" and ("id", self.table) in attrs:
            self.inside = True
        elif self.inside and tag == "tr":
            self.taken = False
        elif self.inside and tag == "td" and not self.taken:
            self.cell, self.taken = "", True

    def handle_endtag(self, tag):
        if tag == "table":
            self.inside = False
        elif tag == "td" and self.cell is not None:
            self.cells.append(self.cell.strip())
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data


def first_cells(page, table):
    parser = FirstCells(table)
    parser.feed(page)
    return parser.cells


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))]


def main():
    if len(sys.argv) not in (4, 7):
        sys.exit(__doc__)
    robot, template, work = sys.argv[1:4]
    sizes = sys.argv[4:7] if len(sys.argv) == 7 else (500, 1000, 32)
    entrants, qsos, clients = (int(n) for n in sizes)
    with open(template, encoding="ascii", newline="") as t:
        header = [line.rstrip("\r\n") for line in t
                  if not line.startswith(("QSO:", "END-OF-LOG:"))]
    period_start = datetime.datetime(2025, 2, 15, 6, 0)
    logs = [make_log(header, n, qsos, period_start) for n in range(entrants)]
    volume = sum(len(body) for _, body in logs)
    data = os.path.join(work, "data")
    server, host, port = start_server(robot, data, period_start, 24)
    try:
        local = threading.local()

        def upload(log):
            call, body = log
            if not hasattr(local, "client"):
                local.client = Client(host, port)
            content_type, form = multipart(call, body)
            began = time.monotonic()
            status, page = local.client.post("/submit", content_type, form)
            elapsed = time.monotonic() - began
            text = page.decode("utf-8", "replace")
            number = re.search(r'id="receipt"[^>]*>\s*([^<]*?)\s*<', text)
            shown = re.search(r'id="call"[^>]*>\s*([^<]*?)\s*<', text)
            ok = status == 200 and number and shown and shown.group(1) == call
            # What a refusal said, to show why the generated log was not taken.
            said = None if ok else re.findall(r"<li>(.*?)</li>", text)[:3] or text[:300]
            return call, ok, status, number.group(1) if number else None, elapsed, said

        began = time.monotonic()
        with concurrent.futures.ThreadPoolExecutor(clients) as pool:
            results = list(pool.map(upload, logs))
        wall = time.monotonic() - began
        peak_kib = proc_status(server.pid, "VmHWM")
        cpu = cpu_seconds(server.pid)
        listing = http.client.HTTPConnection(host, port, timeout=60)
        listing.request("GET", "/logs")
        listed = listing.getresponse().read().decode("utf-8", "replace")
    finally:
        server.send_signal(signal.SIGTERM)
        server.wait(timeout=60)

    failures = [r for r in results if not r[1]]
    receipts = {r[3] for r in results if r[1]}
    on_page = set(first_cells(listed, "logs"))
    counted = subprocess.run([robot, "list", "--data", data], capture_output=True, text=True,
                             check=False).stdout.splitlines()
    latencies = [r[4] for r in results]
    print(f"{entrants} entrants, {qsos} QSO lines each ({volume / 1e6:.1f} MB), {clients} clients")
    print(f"throughput: {entrants / wall:.1f} uploads/s, {volume / wall / 1e6:.2f} MB/s "
          f"({wall:.1f} s wall)")
    print(f"latency: p50 {percentile(latencies, 0.50) * 1000:.0f} ms, "
          f"p99 {percentile(latencies, 0.99) * 1000:.0f} ms, max {max(latencies) * 1000:.0f} ms")
    print(f"server: peak memory (VmHWM) {peak_kib / 1024:.1f} MiB, CPU {cpu:.1f} s; "
          f"database {os.path.getsize(os.path.join(data, 'vscrobot.sqlite')) / 1e6:.1f} MB")
    missing_page = {call for call, *_ in logs} - on_page
    problems = []
    if failures:
        first = failures[0]
        problems.append(f"{len(failures)} uploads not receipted, the first {first[0]}: HTTP "
                        f"{first[2]}, {first[5]}")
    if len(receipts) != entrants - len(failures):
        problems.append(f"{entrants - len(failures)} receipts, {len(receipts)} distinct numbers")
    if missing_page:
        problems.append(f"{len(missing_page)} calls not on /logs, e.g. {sorted(missing_page)[:3]}")
    if len(counted) != entrants:
        problems.append(f"vscrobot list shows {len(counted)} logs, not {entrants}")
    for problem in problems:
        print(f"FAIL: {problem}")
    if problems:
        return 1
    print("every upload receipted, listed and counted")
    return 0


if __name__ == "__main__":
    sys.exit(main())
