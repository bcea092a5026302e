#!/bin/sh
# Leaves the manipulation file of another module (a seat module) in the demo's NCS Expert
# WORK folder, as if an earlier coding had not been cleaned up. Load the trace afterwards:
# Quillon asks whether to empty it. Run it from the scratch copy the demo started on.
here="$(cd "$(dirname "$0")" && pwd)"
cp "$here/FSW_PSW.MAN" "$here/../NCSEXPER/WORK/FSW_PSW.MAN" && echo "FSW_PSW.MAN of a seat module put into $here/../NCSEXPER/WORK"
