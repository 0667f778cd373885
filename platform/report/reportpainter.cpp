#include "platform/report/reportpainter.h"

#include "data/errors.h"
#include "platform/report/pagelines.h"
#include "platform/report/textmetrics.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <unordered_map>

namespace orva::platform::report {
namespace {

void paintPicture(QPainter& painter, const ReportObject& object, const QRectF& r) {
    if (object.picture.isNull())
        return;
    QRectF target = r;
    if (object.keepAspect) {
        const QSizeF size = QSizeF(object.picture.size()).scaled(r.size(), Qt::KeepAspectRatio);
        target = QRectF(r.topLeft(), size);
        target.moveCenter(r.center());
    }
    painter.drawImage(target, object.picture);
}

} // namespace

void PaintPage(QPainter& painter, const PreparedPage& page) {
    std::unordered_map<const ReportObject*, QFont> fonts;
    const QPaintDevice* device = painter.device();
    for (const PreparedBand& band : page.bands) {
        for (const PreparedItem& item : band.items) {
            const ReportObject& object = *item.object;
            switch (object.kind) {
            case ObjectKind::Line: // with the page's rules, below
                break;
            case ObjectKind::Picture:
                paintPicture(painter, object, item.rect);
                break;
            case ObjectKind::Text: {
                if (object.fill.isValid())
                    painter.fillRect(item.rect, object.fill);
                if (!item.text.isEmpty()) {
                    auto font = fonts.find(&object);
                    if (font == fonts.end())
                        font = fonts.emplace(&object, DeviceFont(object.font, device)).first;
                    painter.setFont(font->second);
                    painter.setPen(object.color);
                    painter.drawText(item.rect.adjusted(kGapX, kGapY, -kGapX, -kGapY),
                                     TextFlags(object), item.text);
                }
                break;
            }
            }
        }
    }
    for (const PageLine& rule : PageLines(page)) {
        QPen pen(rule.color, rule.width, rule.style);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(rule.line);
    }
}

void PrintPages(const PreparedReport& report, QPrinter& printer, int from, int to) {
    const int count = static_cast<int>(report.pages.size());
    from = from <= 0 ? 1 : from;
    to = to <= 0 || to > count ? count : to;
    printer.setFullPage(true);
    QPainter painter;
    for (int p = from; p <= to; ++p) {
        const PreparedPage& page = report.pages[static_cast<std::size_t>(p - 1)];
        printer.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        if (p == from) {
            if (!painter.begin(&printer))
                throw data::Exception(QStringLiteral("No se pudo iniciar la impresión."));
        } else {
            printer.newPage();
        }
        painter.save();
        painter.scale(printer.resolution() / 96.0, printer.resolution() / 96.0);
        PaintPage(painter, page);
        painter.restore();
    }
    if (painter.isActive())
        painter.end();
}

QImage PageImage(const PreparedPage& page, int dpi) {
    const double scale = dpi / 96.0;
    const QSizeF size = page.size() * scale;
    QImage image(qRound(size.width()), qRound(size.height()), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    PaintPage(painter, page);
    return image;
}

QStringList WriteImages(const PreparedReport& report, const QString& path, const char* format,
                        int dpi) {
    QStringList files;
    const QFileInfo info(path);
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        const QString file = p == 0 ? path
                                    : info.dir().filePath(QStringLiteral("%1_%2.%3")
                                                              .arg(info.completeBaseName())
                                                              .arg(p + 1)
                                                              .arg(info.suffix()));
        QImageWriter writer(file, format);
        if (!writer.write(PageImage(report.pages[p], dpi)))
            throw data::Exception(QStringLiteral("No se puede escribir la imagen «%1»: %2.")
                                      .arg(QDir::toNativeSeparators(file), writer.errorString()));
        files << file;
    }
    return files;
}

} // namespace orva::platform::report
