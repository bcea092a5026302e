#include "common/window_layout.h"

#include <QStringList>

#include <algorithm>

namespace WindowLayout {

Factors factors(double scaleWidth, double scaleHeight, double layoutWidth, double layoutHeight)
{
    return {std::max(kMinimumFactor, scaleWidth / layoutWidth), std::max(kMinimumFactor, scaleHeight / layoutHeight)};
}

Placement place(const Record& r, ControlKind kind, const QString& tag, Factors f, double currentWidth,
                double currentHeight, double showRight)
{
    if (kind == ControlKind::Line) {
        const double x1 = f.x * r.left;
        const double y1 = f.y * r.top;
        return {x1, y1, x1 + f.x * r.width, y1 + f.y * r.height};
    }
    const bool rightAligned = tag == u"NS";
    const bool sizeKept = rightAligned || tag == u"NR";
    Placement p;
    p.left = rightAligned ? showRight - currentWidth - kRightInset : f.x * r.left;
    p.top = f.y * r.top;
    p.width = sizeKept ? currentWidth : f.x * r.width;
    p.height = sizeKept || kind == ControlKind::ComboBox ? currentHeight : f.y * r.height;
    return p;
}

namespace {
std::optional<double> number(const QStringList& parts, int i)
{
    if (i >= parts.size())
        return std::nullopt;
    bool ok = false;
    const double value = parts[i].trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}
} // namespace

StartUpPosition parseStartUpPosition(const QString& text, double screenWidth, double screenHeight, double windowWidth,
                                     double windowHeight)
{
    StartUpPosition result;
    if (text == u"Normal")
        return result;
    if (text == u"Maximized") {
        result.mode = StartUpPosition::Mode::Maximized;
        return result;
    }
    result.mode = StartUpPosition::Mode::Custom;
    const QStringList parts = text.split(u',');
    if (auto left = number(parts, 0); left && *left > 0 && *left < screenWidth - windowWidth)
        result.left = left;
    if (auto top = number(parts, 1); top && *top > 0 && *top < screenHeight - windowHeight)
        result.top = top;
    result.width = number(parts, 2);
    result.height = number(parts, 3);
    return result;
}

QString formatStartUpPosition(WindowState state, double left, double top, double width, double height)
{
    switch (state) {
    case WindowState::Minimized: return QStringLiteral("Normal");
    case WindowState::Maximized: return QStringLiteral("Maximized");
    case WindowState::Normal: break;
    }
    auto text = [](double v) { return QString::number(v, 'g', 7); };
    return text(left) + u',' + text(top) + u',' + text(width) + u',' + text(height);
}

} // namespace WindowLayout
