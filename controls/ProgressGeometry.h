// Where a skinned progress bar's pieces go along its length: plain arithmetic, no drawing.
#pragma once

struct ProgressValues {
    int rangeMin;
    int rangeMax;
    int startValue; // where the filled segment starts
    int endValue;   // where it ends
};

struct ProgressGeometry {
    int trackEnd; // where the finishing end-piece goes: length less one slice
    int startPx;  // start of the filled segment
    int endPx;    // end of the filled segment
    bool filled;  // the segment has its rounded pieces: the end lies past the range minimum

    friend bool operator==(const ProgressGeometry& a, const ProgressGeometry& b) {
        return a.trackEnd == b.trackEnd && a.startPx == b.startPx && a.endPx == b.endPx &&
               a.filled == b.filled;
    }
    friend bool operator!=(const ProgressGeometry& a, const ProgressGeometry& b) { return !(a == b); }
};

// For a bar `length` pixels long made of slices `sliceLength` long. An empty range (maximum equal to the
// minimum) gives the empty track.
ProgressGeometry ComputeProgressGeometry(int length, int sliceLength, const ProgressValues& values);
