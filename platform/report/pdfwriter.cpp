#include "platform/report/pdfwriter.h"

#include "data/errors.h"
#include "platform/report/pagelines.h"
#include "platform/report/textmetrics.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTextLayout>
#include <charconv>
#include <cmath>
#include <map>
#include <unordered_map>

namespace orva::platform::report {
namespace {

constexpr double kPointsPerUnit = 72.0 / 96.0;

/// A number as PDF writes it: at most two decimals, no trailing zeros.
void number(QByteArray& out, double value) {
    long long hundredths = static_cast<long long>(value * 100 + (value < 0 ? -0.5 : 0.5));
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, hundredths / 100);
    out.append(buffer, end - buffer);
    if (const long long fraction = hundredths % 100; fraction != 0) {
        out += '.';
        out += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            out += static_cast<char>('0' + fraction % 10);
    }
}

void numbers(QByteArray& out, std::initializer_list<double> values, const char* op) {
    for (double v : values) {
        number(out, v);
        out += ' ';
    }
    out += op;
    out += '\n';
}

/// The byte of a character in the Windows Latin encoding; '?' when it has none.
char winAnsi(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c < 0x20 ? ' ' : c);
    static const std::pair<char16_t, unsigned char> extra[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
        {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
        {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
        {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
        {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
        {0x017E, 0x9E}, {0x0178, 0x9F}, {0x00A0, 0xA0}};
    for (const auto& [unicode, byte] : extra)
        if (unicode == c)
            return static_cast<char>(byte);
    return '?';
}

void literal(QByteArray& out, QStringView text) {
    out += '(';
    for (QChar c : text) {
        const char b = winAnsi(c.unicode());
        if (b == '(' || b == ')' || b == '\\')
            out += '\\';
        out += b;
    }
    out += ')';
}

const char* standardFace(const QFont& font) {
    const QString family = font.family().toLower();
    const bool bold = font.bold(), italic = font.italic();
    if (family.contains(QLatin1String("courier")) || family.contains(QLatin1String("mono"))) {
        static const char* faces[] = {"Courier", "Courier-Bold", "Courier-Oblique",
                                      "Courier-BoldOblique"};
        return faces[(bold ? 1 : 0) + (italic ? 2 : 0)];
    }
    if (family.contains(QLatin1String("times")) ||
        (family.contains(QLatin1String("serif")) && !family.contains(QLatin1String("sans")))) {
        static const char* faces[] = {"Times-Roman", "Times-Bold", "Times-Italic",
                                      "Times-BoldItalic"};
        return faces[(bold ? 1 : 0) + (italic ? 2 : 0)];
    }
    static const char* faces[] = {"Helvetica", "Helvetica-Bold", "Helvetica-Oblique",
                                  "Helvetica-BoldOblique"};
    return faces[(bold ? 1 : 0) + (italic ? 2 : 0)];
}

struct TextLine {
    QString text;
    double width = 0;
    bool last = true; ///< last line of a paragraph (not justified)
};

/// What the writer keeps per text object: its face, its metrics.
struct TextStyle {
    QByteArray face; ///< resource name, "/F1"
    TextMeasure metrics;
};

class Writer {
public:
    Writer() { file_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    QByteArray write(const PreparedReport& report) {
        file_.reserve(static_cast<qsizetype>(report.pages.size()) * 8192 + 4096);
        content_.reserve(64 * 1024);
        const int catalog = reserve();
        const int pages = reserve();
        resources_ = reserve();
        std::vector<int> pageObjects;
        for (const PreparedPage& page : report.pages)
            pageObjects.push_back(writePage(page, pages));

        begin(catalog);
        file_ += "<< /Type /Catalog /Pages ";
        ref(pages);
        file_ += " >>\n";
        end();
        begin(pages);
        file_ += "<< /Type /Pages /Count " + QByteArray::number(pageObjects.size()) + " /Kids [";
        for (int page : pageObjects) {
            ref(page);
            file_ += ' ';
        }
        file_ += "] >>\n";
        end();
        writeResources();
        const int info = reserve();
        begin(info);
        file_ += "<< /Creator (Orva) /Producer (Orva) /Title <FEFF";
        for (QChar c : report.title)
            file_ += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
        file_ += "> >>\n";
        end();

        const qint64 xref = file_.size();
        file_ += "xref\n0 " + QByteArray::number(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        char entry[32];
        for (qint64 offset : offsets_) {
            std::snprintf(entry, sizeof entry, "%010lld 00000 n \n",
                          static_cast<long long>(offset));
            file_ += entry;
        }
        file_ += "trailer\n<< /Size " + QByteArray::number(offsets_.size() + 1) + " /Root ";
        ref(catalog);
        file_ += " /Info ";
        ref(info);
        file_ += " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
        return std::move(file_);
    }

private:
    int reserve() {
        offsets_.push_back(0);
        return static_cast<int>(offsets_.size());
    }
    void begin(int object) {
        offsets_[static_cast<std::size_t>(object - 1)] = file_.size();
        file_ += QByteArray::number(object) + " 0 obj\n";
    }
    void end() { file_ += "endobj\n"; }
    void ref(int object) { file_ += QByteArray::number(object) + " 0 R"; }

    int writePage(const PreparedPage& page, int parent) {
        const QSizeF size = page.size() * kPointsPerUnit;
        height_ = size.height();
        QByteArray& content = content_; // one buffer for every page
        content.resize(0);
        content += "q\n";
        for (const PreparedBand& band : page.bands)
            for (const PreparedItem& item : band.items)
                background(content, item);
        content += "BT\n";
        currentFace_ = nullptr;
        currentColor_ = QColor();
        std::vector<PageLine> underlines;
        for (const PreparedBand& band : page.bands)
            for (const PreparedItem& item : band.items)
                if (item.object->kind == ObjectKind::Text && !item.text.isEmpty())
                    text(content, item, underlines);
        content += "ET\n";
        std::vector<PageLine> lines = PageLines(page);
        lines.insert(lines.end(), underlines.begin(), underlines.end());
        rules(content, lines);
        content += "Q\n";

        const QByteArray packed = qCompress(content, 1).mid(4); // zlib stream, no length prefix
        const int stream = reserve();
        begin(stream);
        file_ += "<< /Length " + QByteArray::number(packed.size()) +
                 " /Filter /FlateDecode >>\nstream\n";
        file_ += packed;
        file_ += "\nendstream\n";
        end();
        const int object = reserve();
        begin(object);
        file_ += "<< /Type /Page /Parent ";
        ref(parent);
        file_ += " /MediaBox [0 0 ";
        number(file_, size.width());
        file_ += ' ';
        number(file_, size.height());
        file_ += "] /Resources ";
        ref(resources_);
        file_ += " /Contents ";
        ref(stream);
        file_ += " >>\n";
        end();
        return object;
    }

    double x(double units) const { return units * kPointsPerUnit; }
    double y(double units) const { return height_ - units * kPointsPerUnit; }

    static void color(QByteArray& out, const QColor& c, const char* op) {
        numbers(out, {c.redF(), c.greenF(), c.blueF()}, op);
    }

    void background(QByteArray& out, const PreparedItem& item) {
        const ReportObject& o = *item.object;
        const QRectF& r = item.rect;
        if (o.kind == ObjectKind::Text && o.fill.isValid()) {
            color(out, o.fill, "rg");
            numbers(out, {x(r.left()), y(r.bottom()), x(r.width()), x(r.height())}, "re f");
        } else if (o.kind == ObjectKind::Picture && !o.picture.isNull()) {
            QRectF target = r;
            if (o.keepAspect) {
                target.setSize(QSizeF(o.picture.size()).scaled(r.size(), Qt::KeepAspectRatio));
                target.moveCenter(r.center());
            }
            out += "q\n";
            numbers(
                out,
                {x(target.width()), 0, 0, x(target.height()), x(target.left()), y(target.bottom())},
                "cm");
            out += picture(o) + " Do\nQ\n";
        }
    }

    QByteArray picture(const ReportObject& o) {
        auto it = pictures_.find(&o);
        if (it != pictures_.end())
            return it->second.first;
        QImage flat(o.picture.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, o.picture);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "JPEG");
        writer.setQuality(90);
        writer.write(flat);
        const int object = reserve();
        begin(object);
        file_ += "<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(flat.width()) +
                 " /Height " + QByteArray::number(flat.height()) +
                 " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode /Length " +
                 QByteArray::number(jpeg.size()) + " >>\nstream\n";
        file_ += jpeg;
        file_ += "\nendstream\n";
        end();
        const QByteArray name = "/Im" + QByteArray::number(pictures_.size() + 1);
        pictures_.emplace(&o, std::make_pair(name, object));
        return name;
    }

    const TextStyle& style(const ReportObject& o) {
        auto it = styles_.find(&o);
        if (it != styles_.end())
            return it->second;
        const QByteArray face = standardFace(o.font);
        auto font = fonts_.find(face);
        if (font == fonts_.end())
            font = fonts_
                       .emplace(face, std::make_pair("/F" + QByteArray::number(fonts_.size() + 1),
                                                     reserve()))
                       .first;
        return styles_.emplace(&o, TextStyle{font->second.first, TextMeasure(o.font)})
            .first->second;
    }

    std::vector<TextLine> breakLines(const PreparedItem& item, const TextStyle& s) {
        const ReportObject& o = *item.object;
        const double room = std::max(1.0, item.rect.width() - 2 * kGapX);
        if (!item.text.contains(QLatin1Char('\n'))) {
            const double width = s.metrics.width(item.text);
            if (!o.wordWrap || width <= room)
                return {{item.text, width, true}};
        }
        QString text = item.text;
        text.replace(QLatin1Char('\r'), QString());
        text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        QTextLayout layout(text, o.font, UnitDevice());
        QTextOption option;
        option.setWrapMode(o.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                      : QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        std::vector<TextLine> lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room);
            QString part = text.mid(line.textStart(), line.textLength());
            const bool paragraphEnd = part.endsWith(QChar::LineSeparator);
            while (!part.isEmpty() &&
                   (part.back().isSpace() || part.back() == QChar::LineSeparator))
                part.chop(1);
            lines.push_back({part, s.metrics.width(part), paragraphEnd});
        }
        layout.endLayout();
        if (!lines.empty())
            lines.back().last = true;
        return lines;
    }

    void text(QByteArray& out, const PreparedItem& item, std::vector<PageLine>& underlines) {
        const ReportObject& o = *item.object;
        const TextStyle& s = style(o);
        const std::vector<TextLine> lines = breakLines(item, s);
        if (currentFace_ != &s.face || currentSize_ != o.font.pointSizeF()) {
            out += s.face;
            out += ' ';
            number(out, o.font.pointSizeF());
            out += " Tf\n";
            currentFace_ = &s.face;
            currentSize_ = o.font.pointSizeF();
        }
        if (currentColor_ != o.color) {
            color(out, o.color, "rg");
            currentColor_ = o.color;
        }
        const QRectF& r = item.rect;
        const double room = r.width() - 2 * kGapX;
        const double block = s.metrics.lineHeight() * static_cast<double>(lines.size());
        double top = r.top() + kGapY;
        if (o.vAlign == VAlign::Center)
            top = r.top() + (r.height() - block) / 2;
        else if (o.vAlign == VAlign::Bottom)
            top = r.bottom() - kGapY - block;
        bool spaced = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const TextLine& line = lines[i];
            double left = r.left() + kGapX;
            if (o.hAlign == HAlign::Right)
                left += room - line.width;
            else if (o.hAlign == HAlign::Center)
                left += (room - line.width) / 2;
            const double baseline =
                top + s.metrics.ascent() + s.metrics.lineHeight() * static_cast<double>(i);
            double wordSpace = 0;
            if (o.hAlign == HAlign::Justify && !line.last) {
                const auto gaps = line.text.count(QLatin1Char(' '));
                if (gaps > 0)
                    wordSpace = (room - line.width) / static_cast<double>(gaps) * kPointsPerUnit;
            }
            if (wordSpace != 0 || spaced) {
                numbers(out, {wordSpace}, "Tw");
                spaced = wordSpace != 0;
            }
            numbers(out, {1, 0, 0, 1, x(left), y(baseline)}, "Tm");
            literal(out, line.text);
            out += " Tj\n";
            if (o.font.underline())
                underlines.push_back(
                    {QLineF(left, baseline + 1.5, left + line.width, baseline + 1.5), o.color,
                     std::max(0.5, s.metrics.underlineWidth()), Qt::SolidLine});
        }
        if (spaced)
            out += "0 Tw\n";
    }

    void rules(QByteArray& out, const std::vector<PageLine>& lines) {
        QColor current;
        double width = -1;
        Qt::PenStyle dash = Qt::SolidLine;
        for (const PageLine& l : lines) {
            if (l.color != current) {
                color(out, l.color, "RG");
                current = l.color;
            }
            if (l.width != width) {
                numbers(out, {x(l.width)}, "w");
                width = l.width;
            }
            if (l.style != dash) {
                out += l.style == Qt::DashLine  ? "[3 2] 0 d\n"
                       : l.style == Qt::DotLine ? "[1 1] 0 d\n"
                                                : "[] 0 d\n";
                dash = l.style;
            }
            numbers(out, {x(l.line.x1()), y(l.line.y1())}, "m");
            numbers(out, {x(l.line.x2()), y(l.line.y2())}, "l S");
        }
    }

    void writeResources() {
        for (const auto& [face, named] : fonts_) {
            begin(named.second);
            file_ += "<< /Type /Font /Subtype /Type1 /BaseFont /" + face +
                     " /Encoding /WinAnsiEncoding >>\n";
            end();
        }
        begin(resources_);
        file_ += "<< /ProcSet [/PDF /Text /ImageC] /Font <<";
        for (const auto& [face, named] : fonts_) {
            file_ += ' ' + named.first + ' ';
            ref(named.second);
        }
        file_ += " >> /XObject <<";
        for (const auto& [object, named] : pictures_) {
            file_ += ' ' + named.first + ' ';
            ref(named.second);
        }
        file_ += " >> >>\n";
        end();
    }

    QByteArray file_;
    QByteArray content_;
    std::vector<qint64> offsets_;
    int resources_ = 0;
    double height_ = 0;
    std::map<QByteArray, std::pair<QByteArray, int>> fonts_; ///< face -> resource, object
    std::unordered_map<const ReportObject*, TextStyle> styles_;
    std::unordered_map<const ReportObject*, std::pair<QByteArray, int>> pictures_;
    const QByteArray* currentFace_ = nullptr;
    double currentSize_ = 0;
    QColor currentColor_;
};

} // namespace

void WritePdf(const PreparedReport& report, const QString& path) {
    const QByteArray bytes = Writer().write(report);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        throw data::Exception(QStringLiteral("No se puede escribir el archivo PDF «%1»: %2.")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace orva::platform::report
