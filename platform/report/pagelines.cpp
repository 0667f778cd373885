#include "platform/report/pagelines.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace orva::platform::report {
namespace {

/// Same pen and same line of the page: pieces that may be joined.
struct JoinKey {
    long across;
    QRgb color;
    long width;
    int style;
    auto operator<=>(const JoinKey&) const = default;
};

JoinKey joinKey(const PageLine& l, bool horizontal) {
    const double across = horizontal ? l.line.y1() : l.line.x1();
    return {std::lround(across * 100), l.color.rgba(), std::lround(l.width * 100),
            static_cast<int>(l.style)};
}

void addFrame(std::vector<PageLine>& out, const Frame& f, const QRectF& r) {
    const auto add = [&](QPointF a, QPointF b) {
        out.push_back({QLineF(a, b), f.color, f.width, f.style});
    };
    if (f.top)
        add(r.topLeft(), r.topRight());
    if (f.bottom)
        add(r.bottomLeft(), r.bottomRight());
    if (f.left)
        add(r.topLeft(), r.bottomLeft());
    if (f.right)
        add(r.topRight(), r.bottomRight());
}

/// The line of `l`'s pen from `from` to `to` along its direction.
PageLine along(const PageLine& l, double from, double to, bool horizontal) {
    PageLine out = l;
    out.line = horizontal ? QLineF(from, l.line.y1(), to, l.line.y1())
                          : QLineF(l.line.x1(), from, l.line.x1(), to);
    return out;
}

/// Joins pieces of one direction that touch or overlap.
void join(std::vector<PageLine>& lines, bool horizontal) {
    const auto start = [horizontal](const PageLine& l) {
        return horizontal ? std::min(l.line.x1(), l.line.x2()) : std::min(l.line.y1(), l.line.y2());
    };
    const auto end = [horizontal](const PageLine& l) {
        return horizontal ? std::max(l.line.x1(), l.line.x2()) : std::max(l.line.y1(), l.line.y2());
    };
    struct Piece {
        JoinKey key;
        double from, to;
        const PageLine* line;
    };
    std::vector<Piece> pieces;
    pieces.reserve(lines.size());
    for (const PageLine& l : lines)
        pieces.push_back({joinKey(l, horizontal), start(l), end(l), &l});
    std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
        return a.key != b.key ? a.key < b.key : a.from < b.from;
    });
    std::vector<PageLine> joined;
    const Piece* last = nullptr; ///< the piece that started the last joined line
    double reach = 0;            ///< where the last joined line ends
    for (const Piece& p : pieces) {
        if (last && last->key == p.key && p.from <= reach + 0.5) {
            reach = std::max(reach, p.to);
        } else {
            if (last)
                joined.push_back(along(*last->line, last->from, reach, horizontal));
            last = &p;
            reach = p.to;
        }
    }
    if (last)
        joined.push_back(along(*last->line, last->from, reach, horizontal));
    lines = std::move(joined);
}

} // namespace

std::vector<PageLine> PageLines(const PreparedPage& page) {
    std::vector<PageLine> all;
    for (const PreparedBand& band : page.bands)
        for (const PreparedItem& item : band.items) {
            const ReportObject& o = *item.object;
            const QRectF& r = item.rect;
            if (o.kind == ObjectKind::Text && o.frame.any())
                addFrame(all, o.frame, r);
            else if (o.kind == ObjectKind::Line) {
                const QLineF line = r.height() <= 1  ? QLineF(r.topLeft(), r.topRight())
                                    : r.width() <= 1 ? QLineF(r.topLeft(), r.bottomLeft())
                                                     : QLineF(r.topLeft(), r.bottomRight());
                all.push_back({line, o.color, o.lineWidth, Qt::SolidLine});
            }
        }
    std::vector<PageLine> horizontal, vertical, other;
    for (const PageLine& l : all) {
        if (l.line.y1() == l.line.y2())
            horizontal.push_back(l);
        else if (l.line.x1() == l.line.x2())
            vertical.push_back(l);
        else
            other.push_back(l);
    }
    join(horizontal, true);
    join(vertical, false);
    horizontal.insert(horizontal.end(), vertical.begin(), vertical.end());
    horizontal.insert(horizontal.end(), other.begin(), other.end());
    return horizontal;
}

} // namespace orva::platform::report
