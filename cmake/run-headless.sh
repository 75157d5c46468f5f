#!/bin/sh
# Runs a native test program as a host started headless would: in a session of its own, with no
# controlling terminal, so the header form never waits for an operator at the terminal.
exec setsid --wait "$@"
