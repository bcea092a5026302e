#include "ui/tree_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace {

QPixmap ball(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gradient(QPointF(6, 5), 8);
    gradient.setColorAt(0, color.lighter(170));
    gradient.setColorAt(1, color.darker(130));
    painter.setBrush(gradient);
    painter.setPen(QPen(color.darker(180), 1));
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return pixmap;
}

QPixmap warningTriangle()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(8, 1.5);
    triangle.lineTo(15, 14.5);
    triangle.lineTo(1, 14.5);
    triangle.closeSubpath();
    painter.setBrush(QColor(255, 210, 0));
    painter.setPen(QPen(QColor(120, 90, 0), 1));
    painter.drawPath(triangle);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(8, 5.5), QPointF(8, 10));
    painter.drawPoint(QPointF(8, 12.5));
    return pixmap;
}

} // namespace

namespace TreeIcons {

QIcon icon(int image)
{
    static const QIcon green(ball(QColor(30, 170, 40)));
    static const QIcon orange(ball(QColor(240, 80, 20)));
    static const QIcon warning(warningTriangle());
    switch (image) {
    case 1: return green;
    case 2: return orange;
    case 3: return warning;
    default: return {};
    }
}

} // namespace TreeIcons
