#include "platform/report/textmetrics.h"

#include <QImage>
#include <cmath>

namespace orva::platform::report {

const QPaintDevice* UnitDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(96 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

QFont DeviceFont(const QFont& font, const QPaintDevice* device) {
    QFont scaled = font;
    const int dpi = device ? device->logicalDpiY() : 96;
    if (dpi != 96 && font.pointSizeF() > 0)
        scaled.setPointSizeF(font.pointSizeF() * 96.0 / dpi);
    return scaled;
}

int TextFlags(const ReportObject& object) {
    int flags = 0;
    switch (object.hAlign) {
    case HAlign::Left:
        flags |= Qt::AlignLeft;
        break;
    case HAlign::Center:
        flags |= Qt::AlignHCenter;
        break;
    case HAlign::Right:
        flags |= Qt::AlignRight;
        break;
    case HAlign::Justify:
        flags |= Qt::AlignJustify;
        break;
    }
    switch (object.vAlign) {
    case VAlign::Top:
        flags |= Qt::AlignTop;
        break;
    case VAlign::Center:
        flags |= Qt::AlignVCenter;
        break;
    case VAlign::Bottom:
        flags |= Qt::AlignBottom;
        break;
    }
    if (object.wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

TextMeasure::TextMeasure(const QFont& font)
    : font_(font), metrics_(font, UnitDevice()), lineHeight_(metrics_.height()) {
    advances_.fill(-1);
}

double TextMeasure::width(QStringView text) const {
    double total = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= advances_.size())
            return metrics_.horizontalAdvance(text.toString());
        double& advance = advances_[u];
        if (advance < 0)
            advance = metrics_.horizontalAdvance(c);
        total += advance;
    }
    return total;
}

double TextMeasure::height(const QString& text, double width, bool wordWrap, int flags) const {
    if (text.isEmpty())
        return 0;
    const double room = std::max(1.0, width - 2 * kGapX);
    // Most cells are one short line: no layout needed for them.
    if (!text.contains(QLatin1Char('\n')) && (!wordWrap || this->width(text) <= room))
        return lineHeight_ + 2 * kGapY;
    const QRectF bounds = metrics_.boundingRect(QRectF(0, 0, room, 1e6), flags, text);
    return std::ceil(bounds.height()) + 2 * kGapY;
}

} // namespace orva::platform::report
