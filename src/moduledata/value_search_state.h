#pragma once

// What "Show values" keeps between runs.
struct ValueSearchState {
    // Distance in hex-text characters (three per byte) from the start of a record marker to
    // the function ID in the module data: 27 to 39 once calibrated, 0 before. Survives runs
    // and module choices; each calibration starts from it.
    int MarkerDistance = 0;
};
