#pragma once
// Text of report objects measured and drawn alike on every device: positions are report
// units (96 per inch) and fonts are scaled so that a point is the same size in units on
// the screen, in a PDF and on paper.
#include "platform/report/reportmodel.h"

#include <QFontMetricsF>
#include <array>

class QPaintDevice;

namespace orva::platform::report {

/// Space between a text object's edges and its text, in units.
inline constexpr double kGapX = 2;
inline constexpr double kGapY = 1;

/// A device of 96 dots per inch, where units and pixels are the same.
const QPaintDevice* UnitDevice();
/// The font to set on a painter whose coordinates are units, over `device`.
QFont DeviceFont(const QFont& font, const QPaintDevice* device);
/// Qt::drawText flags of a text object.
int TextFlags(const ReportObject& object);

/// Measures texts of one object's font in units.
class TextMeasure {
public:
    explicit TextMeasure(const QFont& font);
    /// Width of one line of text. Latin text is summed from cached character advances
    /// (shaping every cell of a long list would cost more than drawing it); other text is
    /// measured whole.
    double width(QStringView text) const;
    double lineHeight() const { return lineHeight_; }
    double ascent() const { return metrics_.ascent(); }
    double underlineWidth() const { return metrics_.lineWidth(); }
    /// Height the text takes in a box `width` wide, the gaps included.
    double height(const QString& text, double width, bool wordWrap, int flags) const;

private:
    QFont font_;
    QFontMetricsF metrics_;
    double lineHeight_;
    mutable std::array<double, 256> advances_;
};

} // namespace orva::platform::report
