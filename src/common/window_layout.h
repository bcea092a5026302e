#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

// The main window keeps every control proportional to its designed layout. This is the
// arithmetic, free of widgets so it can be tested on its own. Units are the window's
// scale units (pixels, 15 twips each).
namespace WindowLayout {

// 120 twips: how far the "NS" controls end inside the right edge of cmdShow.
constexpr double kRightInset = 8.0;
// A window never shrinks its controls below three quarters of the designed size.
constexpr double kMinimumFactor = 0.75;
// Reference widths: the whole designed layout, and the "NCS coding" frame alone.
constexpr double kFullWidth = 888.0;
constexpr double kNcsOnlyWidth = 448.0;
constexpr double kDesignedHeight = 529.0;

enum class ControlKind { Other, ComboBox, Line };

// Designed geometry of one control: Left, Top, Width, Height (for a line X1, Y1,
// X2 - X1, Y2 - Y1), in its container's units.
struct Record {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct Factors {
    double x = 1;
    double y = 1;
};

Factors factors(double scaleWidth, double scaleHeight, double layoutWidth, double layoutHeight);

struct Placement {
    double left = 0;
    double top = 0;
    double width = 0;  // for a line: X2
    double height = 0; // for a line: Y2
};

// Where a control goes for the given factors. currentWidth/currentHeight are its size
// now (kept by "NS" and "NR" and, for the height, by combo boxes); showRight is the
// right edge of cmdShow after it was placed, used by "NS".
Placement place(const Record& designed, ControlKind kind, const QString& tag, Factors f, double currentWidth,
                double currentHeight, double showRight);

// The saved window position: "Normal", "Maximized", or Left,Top,Width,Height.
struct StartUpPosition {
    enum class Mode { Normal, Maximized, Custom } mode = Mode::Normal;
    // Each part that could be applied; a missing or unreadable part stays empty.
    std::optional<double> left;
    std::optional<double> top;
    std::optional<double> width;
    std::optional<double> height;
};

// Parses the stored text against the screen and the window's designed size: Left and Top
// apply only when greater than 0 and less than screen minus the designed size.
StartUpPosition parseStartUpPosition(const QString& text, double screenWidth, double screenHeight, double windowWidth,
                                     double windowHeight);

enum class WindowState { Normal, Minimized, Maximized };
QString formatStartUpPosition(WindowState state, double left, double top, double width, double height);

} // namespace WindowLayout
