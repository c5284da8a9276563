#include "output/net_sheet_drawing.h"

#include <QColor>
#include <QLineF>

#include <string>

#include "output/figure_canvas.h"
#include "output/label_text.h"
#include "output/paper_net.h"

namespace velnor {

namespace {

constexpr double kCutWidth = 1.2;
constexpr double kFoldWidth = 1.0;
constexpr double kMarkWidth = 0.6;
constexpr double kCrossHalf = 0.3 * kUnitsPerCm;
constexpr int kNumberPixels = 36;
constexpr int kCaptionPixels = 13;
const QColor kFaceFill(0xf2, 0xf2, 0xf2);
const QColor kTabFill(0xd8, 0xd8, 0xd8);
const QColor kFoldInk(0x40, 0x40, 0x40);
const QColor kMarkInk(0x80, 0x80, 0x80);

// From centimetres of the net to drawing units of the sheet.
class SheetPlace {
public:
    explicit SheetPlace(const NetSheet& sheet) : m_part(sheet.part) {}

    QPointF operator()(QPointF net) const {
        return (net - m_part.topLeft() + QPointF(kSheetMarginCm, kSheetMarginCm)) * kUnitsPerCm;
    }
    QPolygonF operator()(const QPolygonF& net) const {
        QPolygonF placed;
        for (const QPointF& p : net) {
            placed << (*this)(p);
        }
        return placed;
    }
    QPolygonF operator()(const QLineF& net) const {
        return {{(*this)(net.p1()), (*this)(net.p2())}};
    }

private:
    QRectF m_part;
};

void DrawFills(FigureCanvas& canvas, const PaperNet& net, const SheetPlace& place) {
    canvas.BeginLayer(FigureLayer::kFaces);
    for (const QPolygonF& face : net.faces) {
        canvas.Fill(place(face), kFaceFill);
    }
    for (const QPolygonF& tab : net.tabs) {
        canvas.Fill(place(tab), kTabFill);
    }
}

void DrawLines(FigureCanvas& canvas, const PaperNet& net, const SheetPlace& place) {
    canvas.BeginLayer(FigureLayer::kVisibleLines);
    for (const QLineF& cut : net.cuts) {
        canvas.Stroke(place(cut), Qt::black, kCutWidth, false);
    }
    // The tab's first side lies on the cut it hangs from; the other three are cut too.
    for (const QPolygonF& tab : net.tabs) {
        canvas.Stroke(place(QPolygonF({tab[1], tab[2], tab[3], tab[0]})), Qt::black, kCutWidth,
                      false);
    }
    canvas.BeginLayer(FigureLayer::kHiddenLines);
    for (const QLineF& fold : net.folds) {
        canvas.Stroke(place(fold), kFoldInk, kFoldWidth, true);
    }
}

void DrawNumbers(FigureCanvas& canvas, const PaperNet& net, const SheetPlace& place) {
    canvas.BeginLayer(FigureLayer::kTexts);
    const LabelFont font(kNumberPixels);
    for (size_t f = 0; f < net.faces.size(); ++f) {
        const std::string number = std::to_string(f + 1);
        const FigureText measured = font.Layout({}, number, Qt::black, false);
        // Centred on the face: half the width back, a third of the size down to the baseline.
        const QPointF at =
            place(FaceMiddle(net.faces[f])) + QPointF(-measured.width / 2, kNumberPixels / 3.0);
        canvas.Text(font.Layout(at, number, Qt::black, false), font, false);
    }
}

// A line across the sheet's printable height or width, with a cross at each end.
void Mark(FigureCanvas& canvas, QPointF from, QPointF to) {
    canvas.Stroke(QPolygonF({from, to}), kMarkInk, kMarkWidth, false);
    for (const QPointF& end : {from, to}) {
        canvas.Stroke(QPolygonF({end - QPointF(kCrossHalf, 0), end + QPointF(kCrossHalf, 0)}),
                      Qt::black, kMarkWidth, false);
        canvas.Stroke(QPolygonF({end - QPointF(0, kCrossHalf), end + QPointF(0, kCrossHalf)}),
                      Qt::black, kMarkWidth, false);
    }
}

// The strip this sheet shares with each neighbour, bounded by two marks.
void DrawOverlapMarks(FigureCanvas& canvas, const SheetPlan& plan, const NetSheet& sheet,
                      const SheetPlace& place) {
    canvas.BeginLayer(FigureLayer::kAxes);
    const QRectF part = sheet.part;
    const auto across = [&](double x) {
        Mark(canvas, place(QPointF(x, part.top())), place(QPointF(x, part.bottom())));
    };
    const auto along = [&](double y) {
        Mark(canvas, place(QPointF(part.left(), y)), place(QPointF(part.right(), y)));
    };
    if (sheet.column > 0) {
        across(part.left());
        across(part.left() + kSheetOverlapCm);
    }
    if (sheet.column + 1 < plan.columns) {
        across(part.right() - kSheetOverlapCm);
        across(part.right());
    }
    if (sheet.row > 0) {
        along(part.top());
        along(part.top() + kSheetOverlapCm);
    }
    if (sheet.row + 1 < plan.rows) {
        along(part.bottom() - kSheetOverlapCm);
        along(part.bottom());
    }
    canvas.BeginLayer(FigureLayer::kTexts);
    const LabelFont font(kCaptionPixels);
    const std::string caption =
        "第" + std::to_string(sheet.row + 1) + "行第" + std::to_string(sheet.column + 1) +
        "张（共" + std::to_string(plan.rows) + "行" + std::to_string(plan.columns) + "列）";
    const QPointF at(kSheetMarginCm * kUnitsPerCm, kSheetMarginCm * kUnitsPerCm / 2);
    canvas.Text(font.Layout(at, caption, Qt::black, false), font, false);
}

}  // namespace

void DrawNetSheet(FigureCanvas& canvas, const PaperNet& net, const SheetPlan& plan,
                  const NetSheet& sheet) {
    const SheetPlace place(sheet);
    canvas.Background(QRectF(QPointF(0, 0), plan.paper * kUnitsPerCm), Qt::white);
    DrawFills(canvas, net, place);
    DrawLines(canvas, net, place);
    DrawNumbers(canvas, net, place);
    if (plan.sheets.size() > 1) {
        DrawOverlapMarks(canvas, plan, sheet, place);
    }
}

}  // namespace velnor
