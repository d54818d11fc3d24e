#pragma once

#include "canvas.h"

// Dawn sky over the whole window: night blue at the top warming to a gold horizon at the bottom, with faint
// stars and cloud wisps up where the header shows it.
void paintSky(Canvas& canvas);

// Two ranges of peaks against the horizon glow along the bottom edge.
void paintMountains(Canvas& canvas);
