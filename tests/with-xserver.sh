#!/usr/bin/env bash
# Runs a test on a private X server of its own, so that tests never share a display or keyboard state.
# BRIMLEY_XVFB_SCREEN sets the server's screen (1920x1080x24 unless a test asks for another).
# Exit code 77 tells CTest the test was skipped because no X server can be started here.
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "SKIP: xvfb-run is not installed; this test needs a real X server" >&2
    exit 77
fi
exec xvfb-run -a -s "-screen 0 ${BRIMLEY_XVFB_SCREEN:-1920x1080x24} -nolisten tcp" "$@"
