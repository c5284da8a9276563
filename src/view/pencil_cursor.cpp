#include "view/pencil_cursor.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace velnor {

QCursor PencilCursor() {
    constexpr int kSize = 32;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    // Body, wooden cone and graphite tip along the diagonal from the upper right to the tip.
    painter.setBrush(QColor(250, 200, 40));
    painter.drawPolygon(QPolygon({{24, 2}, {29, 7}, {11, 25}, {6, 20}}));
    painter.setBrush(QColor(240, 215, 170));
    painter.drawPolygon(QPolygon({{6, 20}, {11, 25}, {2, 29}}));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({{3, 26}, {5, 28}, {2, 29}}));
    painter.end();
    return QCursor(pixmap, 2, 29);
}

}  // namespace velnor
