#include "platform/report/reportlayout.h"

#include "data/errors.h"
#include "platform/report/reportexpr.h"
#include "platform/report/textmetrics.h"

#include <algorithm>
#include <unordered_map>

namespace orva::platform::report {
namespace {

std::vector<const Band*> bandsOf(const ReportPage& page, BandKind kind) {
    std::vector<const Band*> bands;
    for (const Band& band : page.bands)
        if (band.kind == kind)
            bands.push_back(&band);
    std::stable_sort(bands.begin(), bands.end(),
                     [](const Band* a, const Band* b) { return a->top < b->top; });
    return bands;
}

/// The value a group condition has on the current row, as text (null apart from empty).
QString conditionKey(const QString& condition, const ExprContext& context) {
    QString text = condition.trimmed();
    if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')))
        text = text.mid(1, text.size() - 2);
    const std::optional<QVariant> value = Evaluate(text, context);
    if (!value)
        return ExpandText(condition, context, {});
    if (!value->isValid() || value->isNull())
        return QStringLiteral("\x1f<null>");
    return value->toString();
}

class PageMaker {
public:
    PageMaker(const ReportPage& page, const std::vector<const ReportSource*>& sources,
              std::vector<PreparedPage>& out)
        : page_(page), out_(out) {
        left_ = page.marginLeftMm * kUnitsPerMm;
        top_ = page.marginTopMm * kUnitsPerMm;
        width_ = page.printableWidth();
        bottom_ = (page.heightMm() - page.marginBottomMm) * kUnitsPerMm;
        footers_ = bandsOf(page, BandKind::PageFooter);
        for (const Band* footer : footers_)
            footerHeight_ += footer->height;
        context_.sources.reserve(sources.size());
        for (const ReportSource* source : sources)
            context_.sources.push_back({source, source && source->rowCount() > 0 ? 0 : -1});
    }

    void run() {
        startPage();
        for (const Band* title : bandsOf(page_, BandKind::ReportTitle))
            place(make(*title));
        placePageTop();
        const std::vector<const Band*> headers = bandsOf(page_, BandKind::GroupHeader);
        std::vector<const Band*> footers = bandsOf(page_, BandKind::GroupFooter);
        for (const Band* master : bandsOf(page_, BandKind::MasterData))
            runMaster(*master, headers, footers);
        for (const Band* summary : bandsOf(page_, BandKind::ReportSummary))
            place(make(*summary));
        finishPage();
    }

private:
    void runMaster(const Band& master, const std::vector<const Band*>& headers,
                   const std::vector<const Band*>& footers) {
        ExprContext::Current* current = nullptr;
        for (ExprContext::Current& c : context_.sources)
            if (c.source && c.source->name().compare(master.dataSet, Qt::CaseInsensitive) == 0)
                current = &c;
        if (!current)
            throw data::Exception(
                QStringLiteral("El reporte usa el origen de datos «%1», que no se le dio.")
                    .arg(master.dataSet));
        const int rows = current->source->rowCount();
        const std::size_t levels = headers.size();
        // The footer closing a group: the innermost footer goes with the innermost header.
        auto footerOf = [&](std::size_t level) -> const Band* {
            const std::size_t fromInside = levels - 1 - level;
            return fromInside < footers.size() ? footers[fromInside] : nullptr;
        };
        std::vector<QString> keys(levels);
        bool open = false;
        context_.line = 0;
        for (int row = 0; row < rows; ++row) {
            current->row = row;
            ++context_.line;
            std::size_t changed = levels;
            for (std::size_t level = 0; level < levels; ++level) {
                const QString key = conditionKey(headers[level]->condition, context_);
                if (changed == levels && (!open || key != keys[level]))
                    changed = level;
                keys[level] = key;
            }
            if (open && changed < levels) {
                // Footers of the closed groups describe the previous row.
                current->row = row - 1;
                for (std::size_t level = levels; level-- > changed;)
                    if (const Band* footer = footerOf(level))
                        place(make(*footer));
                current->row = row;
            }
            for (std::size_t level = open ? changed : 0; level < levels; ++level) {
                PreparedBand header = make(*headers[level]);
                // A group header is not left alone at the bottom of a page.
                place(std::move(header), master.height);
            }
            open = true;
            place(make(master));
        }
        if (open) {
            current->row = rows - 1;
            for (std::size_t level = levels; level-- > 0;)
                if (const Band* footer = footerOf(level))
                    place(make(*footer));
        }
    }

    const TextMeasure& measure(const ReportObject& object) {
        auto it = measures_.find(&object);
        if (it == measures_.end())
            it = measures_.emplace(&object, TextMeasure(object.font)).first;
        return it->second;
    }

    /// One printing of a band at the page's left edge, top 0.
    PreparedBand make(const Band& band) {
        PreparedBand out;
        out.kind = band.kind;
        out.items.reserve(band.objects.size());
        double height = band.height;
        bool anyMaxHeight = false;
        for (const ReportObject& object : band.objects) {
            PreparedItem item;
            item.object = &object;
            item.rect = object.bounds;
            if (object.fullWidth) {
                item.rect.setLeft(0);
                item.rect.setWidth(width_);
            }
            item.rect.translate(left_, 0);
            if (object.kind == ObjectKind::Text) {
                fillText(object, item);
                if (object.stretch != StretchMode::None) {
                    const double needed = measure(object).height(
                        item.text, item.rect.width(), object.wordWrap, TextFlags(object));
                    if (needed > item.rect.height())
                        item.rect.setHeight(needed);
                    anyMaxHeight = anyMaxHeight || object.stretch == StretchMode::MaxHeight;
                }
            }
            // Only a stretched band grows; the objects of another one may overflow it.
            if (band.stretch)
                height = std::max(height, item.rect.bottom());
            out.items.push_back(std::move(item));
        }
        if (anyMaxHeight)
            for (PreparedItem& item : out.items)
                if (item.object->stretch == StretchMode::MaxHeight)
                    item.rect.setBottom(height);
        out.rect = QRectF(left_, 0, width_, height);
        return out;
    }

    void fillText(const ReportObject& object, PreparedItem& item) {
        if (!object.dataField.isEmpty()) {
            for (const ExprContext::Current& c : context_.sources) {
                if (!c.source || c.source->name().compare(object.dataSet, Qt::CaseInsensitive) != 0)
                    continue;
                const int field = fieldIndex(*c.source, object.dataField);
                if (field >= 0 && c.row >= 0) {
                    item.value = c.source->value(c.row, field);
                    item.text = FormatValue(
                        item.value, object.displayFormat,
                        object.displayFormat.isEmpty() ? c.source->text(c.row, field) : QString());
                }
                return;
            }
            return;
        }
        item.text = ExpandText(object.text, context_, object.displayFormat);
    }

    int fieldIndex(const ReportSource& source, const QString& field) {
        const auto key = std::make_pair(&source, field);
        auto it = fields_.find(key);
        if (it == fields_.end())
            it = fields_.emplace(key, source.fieldIndex(field)).first;
        return it->second;
    }

    void startPage() {
        PreparedPage page;
        page.widthMm = page_.widthMm();
        page.heightMm = page_.heightMm();
        page.landscape = page_.landscape;
        out_.push_back(std::move(page));
        y_ = top_;
        bodyStart_ = y_;
    }

    void placePageTop() {
        for (const Band* header : bandsOf(page_, BandKind::PageHeader))
            put(make(*header));
        for (const Band* header : bandsOf(page_, BandKind::ColumnHeader))
            put(make(*header));
        bodyStart_ = y_;
    }

    void finishPage() {
        double y = bottom_ - footerHeight_;
        for (const Band* footer : footers_) {
            PreparedBand band = make(*footer);
            move(band, y);
            y += band.rect.height();
            out_.back().bands.push_back(std::move(band));
        }
    }

    /// Places a band below the last one, on a new page when it does not fit (together
    /// with `keepWith` units of what follows it).
    void place(PreparedBand band, double keepWith = 0) {
        const double limit = bottom_ - footerHeight_;
        if (y_ > bodyStart_ && y_ + band.rect.height() + keepWith > limit) {
            finishPage();
            startPage();
            placePageTop();
        }
        put(std::move(band));
    }

    void put(PreparedBand band) {
        if (band.rect.height() <= 0 && band.items.empty())
            return;
        move(band, y_);
        y_ += band.rect.height();
        out_.back().bands.push_back(std::move(band));
    }

    static void move(PreparedBand& band, double y) {
        const double dy = y - band.rect.top();
        band.rect.translate(0, dy);
        for (PreparedItem& item : band.items)
            item.rect.translate(0, dy);
    }

    struct PairHash {
        std::size_t operator()(const std::pair<const ReportSource*, QString>& k) const {
            return std::hash<const void*>()(k.first) ^ qHash(k.second);
        }
    };

    const ReportPage& page_;
    std::vector<PreparedPage>& out_;
    ExprContext context_;
    std::vector<const Band*> footers_;
    std::unordered_map<const ReportObject*, TextMeasure> measures_;
    std::unordered_map<std::pair<const ReportSource*, QString>, int, PairHash> fields_;
    double left_ = 0, top_ = 0, width_ = 0, bottom_ = 0, footerHeight_ = 0;
    double y_ = 0, bodyStart_ = 0;
};

} // namespace

PreparedReport PrepareReport(std::shared_ptr<const Report> report,
                             const std::vector<const ReportSource*>& sources,
                             const QString& title) {
    PreparedReport prepared;
    prepared.title = title.isEmpty() ? report->name : title;
    for (const ReportPage& page : report->pages)
        PageMaker(page, sources, prepared.pages).run();
    const int total = static_cast<int>(prepared.pages.size());
    for (int p = 0; p < total; ++p)
        for (PreparedBand& band : prepared.pages[static_cast<std::size_t>(p)].bands)
            for (PreparedItem& item : band.items)
                if (item.object->kind == ObjectKind::Text && HasPageMacros(item.text))
                    item.text = ResolvePageMacros(item.text, p + 1, total);
    prepared.report = std::move(report);
    return prepared;
}

} // namespace orva::platform::report
