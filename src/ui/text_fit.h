#pragma once

#include <QWidget>

#include <algorithm>

// Controls placed by designed rectangles are sized for the font they were designed with.
// Another font or scaling would cut a caption short or hide the underscores of a function
// name, so a control grows to show its whole text: never smaller than designed, and never
// past maxRight (in its parent's coordinates).
inline void growToShowText(QWidget* control, int maxRight)
{
    const QSize wanted = control->sizeHint();
    const int width = std::clamp(wanted.width(), control->width(), std::max(control->width(), maxRight - control->x()));
    control->resize(width, std::max(control->height(), wanted.height()));
}
