#include "output/net_sheets.h"

#include <QString>

#include <cmath>

namespace velnor {

namespace {

// How many sheets of printable length `room` cover `length` when neighbours overlap.
int SheetsAlong(double length, double room) {
    if (length <= room) {
        return 1;
    }
    return static_cast<int>(std::ceil((length - kSheetOverlapCm) / (room - kSheetOverlapCm)));
}

SheetPlan PlanOn(const QRectF& net, QSizeF paper) {
    SheetPlan plan;
    plan.paper = paper;
    const QSizeF room(paper.width() - 2 * kSheetMarginCm, paper.height() - 2 * kSheetMarginCm);
    plan.columns = SheetsAlong(net.width(), room.width());
    plan.rows = SheetsAlong(net.height(), room.height());
    // The grid is centred on the net, so the sheets at its edges keep equal spare room.
    const double stepX = room.width() - kSheetOverlapCm;
    const double stepY = room.height() - kSheetOverlapCm;
    const double spanX = (plan.columns - 1) * stepX + room.width();
    const double spanY = (plan.rows - 1) * stepY + room.height();
    const QPointF start(net.center().x() - spanX / 2, net.center().y() - spanY / 2);
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            plan.sheets.push_back(
                {QRectF(start + QPointF(column * stepX, row * stepY), room), row, column});
        }
    }
    return plan;
}

}  // namespace

std::optional<PaperKind> PaperNamed(std::string_view name) {
    const QString given = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const auto& [paper, text] :
         {std::pair{PaperKind::kA4, "A4"}, std::pair{PaperKind::kA3, "A3"},
          std::pair{PaperKind::kLetter, "Letter"}}) {
        if (given.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) {
            return paper;
        }
    }
    return std::nullopt;
}

QSizeF PaperSizeCm(PaperKind paper) {
    switch (paper) {
        case PaperKind::kA4:
            return {21.0, 29.7};
        case PaperKind::kA3:
            return {29.7, 42.0};
        case PaperKind::kLetter:
            return {21.59, 27.94};
    }
    return {21.0, 29.7};
}

SheetPlan PlanNetSheets(const QRectF& net, QSizeF upright) {
    const SheetPlan standing = PlanOn(net, upright);
    const SheetPlan lying = PlanOn(net, upright.transposed());
    return lying.sheets.size() < standing.sheets.size() ? lying : standing;
}

}  // namespace velnor
