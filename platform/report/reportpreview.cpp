#include "platform/report/reportpreview.h"

#include "data/errors.h"
#include "platform/dialogs/dialogs.h"
#include "platform/report/pdfwriter.h"
#include "platform/report/reportexport.h"
#include "platform/report/reportpainter.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace orva::platform::report {

/// The page shown, drawn at the preview's zoom on a grey surround.
class PageView : public QWidget {
public:
    explicit PageView(QWidget* parent) : QWidget(parent) {
        setBackgroundRole(QPalette::Dark);
        setAutoFillBackground(true);
    }

    void setPage(const PreparedPage* page, double zoom) {
        page_ = page;
        zoom_ = zoom;
        const QSizeF size = page ? page->size() * scale() : QSizeF(100, 100);
        setFixedSize(qCeil(size.width()) + 2 * kMargin, qCeil(size.height()) + 2 * kMargin);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!page_)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QRectF paper(kMargin, kMargin, page_->size().width() * scale(),
                           page_->size().height() * scale());
        painter.fillRect(paper.translated(3, 3), QColor(60, 60, 60));
        painter.fillRect(paper, Qt::white);
        painter.translate(kMargin, kMargin);
        painter.scale(scale(), scale());
        PaintPage(painter, *page_);
    }

private:
    static constexpr int kMargin = 16;
    double scale() const { return zoom_ * logicalDpiX() / 96.0; }

    const PreparedPage* page_ = nullptr;
    double zoom_ = 1;
};

const QList<ExportKind>& ExportKinds() {
    static const QList<ExportKind> kinds = {
        {ExportFormat::Pdf, QStringLiteral("Documento PDF"), QStringLiteral("Documento PDF|*.pdf"),
         QStringLiteral("pdf")},
        {ExportFormat::Png, QStringLiteral("Imagen PNG"), QStringLiteral("Imagen PNG|*.png"),
         QStringLiteral("png")},
        {ExportFormat::Jpeg, QStringLiteral("Imagen JPEG"),
         QStringLiteral("Imagen JPEG|*.jpg;*.jpeg"), QStringLiteral("jpg")},
        {ExportFormat::Tiff, QStringLiteral("Imagen TIFF"),
         QStringLiteral("Imagen TIFF|*.tif;*.tiff"), QStringLiteral("tif")},
        {ExportFormat::Csv, QStringLiteral("Texto separado por punto y coma (CSV)"),
         QStringLiteral("Archivo CSV|*.csv"), QStringLiteral("csv")},
        {ExportFormat::Html, QStringLiteral("Página web (HTML)"),
         QStringLiteral("Página web|*.html;*.htm"), QStringLiteral("html")},
        {ExportFormat::Text, QStringLiteral("Texto sin formato"),
         QStringLiteral("Archivo de texto|*.txt"), QStringLiteral("txt")},
        {ExportFormat::Xls, QStringLiteral("Libro de Excel 97-2003 (XLS)"),
         QStringLiteral("Libro de Excel 97-2003|*.xls"), QStringLiteral("xls")},
    };
    return kinds;
}

void ExportReport(const PreparedReport& report, ExportFormat format, const QString& path) {
    switch (format) {
    case ExportFormat::Pdf:
        WritePdf(report, path);
        break;
    case ExportFormat::Png:
        WriteImages(report, path, "PNG");
        break;
    case ExportFormat::Jpeg:
        WriteImages(report, path, "JPEG");
        break;
    case ExportFormat::Tiff:
        WriteImages(report, path, "TIFF");
        break;
    case ExportFormat::Csv:
        WriteCsv(report, path);
        break;
    case ExportFormat::Html:
        WriteHtml(report, path);
        break;
    case ExportFormat::Text:
        WriteText(report, path);
        break;
    case ExportFormat::Xls:
        WriteXls(report, path);
        break;
    }
}

namespace {

QToolButton* toolButton(const QString& text, const QString& tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

ReportPreview::ReportPreview(const PreparedReport& report, QWidget* parent)
    : QDialog(parent), report_(report), view_(new PageView(this)), scroll_(new QScrollArea(this)),
      pageBox_(new QSpinBox(this)), pageCountLabel_(new QLabel(this)),
      zoomBox_(new QComboBox(this)) {
    setObjectName(QStringLiteral("frmVistaPrevia"));
    setWindowTitle(QStringLiteral("Vista previa - %1").arg(report.title));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* bar = new QHBoxLayout;
    QToolButton* printButton = toolButton(QStringLiteral("Imprimir"),
                                          QStringLiteral("Imprimir el reporte (Ctrl+P)"), this);
    printButton->setObjectName(QStringLiteral("btnImprimir"));
    connect(printButton, &QToolButton::clicked, this, &ReportPreview::print);
    bar->addWidget(printButton);

    QToolButton* exportButton = toolButton(
        QStringLiteral("Exportar"), QStringLiteral("Guardar el reporte en un archivo"), this);
    exportButton->setObjectName(QStringLiteral("btnExportar"));
    exportButton->setPopupMode(QToolButton::InstantPopup);
    auto* exportMenu = new QMenu(exportButton);
    for (const ExportKind& kind : ExportKinds()) {
        const ExportFormat format = kind.format;
        exportMenu->addAction(kind.name + QStringLiteral("…"), this,
                              [this, format] { exportTo(format); });
    }
    exportButton->setMenu(exportMenu);
    bar->addWidget(exportButton);
    bar->addSpacing(16);

    const struct {
        const char* text;
        const char* tip;
        int target; // -2 first, -1 previous, +1 next, +2 last
    } moves[] = {{"|◀", "Primera página (Ctrl+Inicio)", -2},
                 {"◀", "Página anterior (Re Pág)", -1},
                 {"▶", "Página siguiente (Av Pág)", 1},
                 {"▶|", "Última página (Ctrl+Fin)", 2}};
    for (const auto& move : moves) {
        QToolButton* button =
            toolButton(QString::fromUtf8(move.text), QString::fromUtf8(move.tip), this);
        const int target = move.target;
        connect(button, &QToolButton::clicked, this, [this, target] {
            showPage(target == -2   ? 1
                     : target == 2  ? pageCount()
                     : target == -1 ? page_ - 1
                                    : page_ + 1);
        });
        bar->addWidget(button);
        if (target == -1) {
            pageBox_->setRange(1, std::max(1, pageCount()));
            pageBox_->setObjectName(QStringLiteral("pagina"));
            pageBox_->setToolTip(QStringLiteral("Página mostrada"));
            connect(pageBox_, &QSpinBox::valueChanged, this, [this](int p) { showPage(p); });
            bar->addWidget(pageBox_);
            bar->addWidget(pageCountLabel_);
        }
    }
    bar->addSpacing(16);
    bar->addWidget(new QLabel(QStringLiteral("Zoom:"), this));
    for (int percent : {50, 75, 100, 125, 150, 200, 300})
        zoomBox_->addItem(QStringLiteral("%1 %").arg(percent), percent / 100.0);
    // Shows zooms reached with Ctrl+ and Ctrl- too, which are not in the list.
    zoomBox_->setEditable(true);
    zoomBox_->lineEdit()->setReadOnly(true);
    zoomBox_->setToolTip(QStringLiteral("Tamaño de la página (Ctrl+ y Ctrl-)"));
    connect(zoomBox_, &QComboBox::activated, this,
            [this](int index) { setZoom(zoomBox_->itemData(index).toDouble()); });
    bar->addWidget(zoomBox_);
    bar->addStretch(1);
    QToolButton* closeButton =
        toolButton(QStringLiteral("Cerrar"), QStringLiteral("Cerrar la vista previa (Esc)"), this);
    connect(closeButton, &QToolButton::clicked, this, &QDialog::accept);
    bar->addWidget(closeButton);

    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);

    resize(1000, 760);
    setZoom(kDefaultZoom);
    showPage(1);
}

int ReportPreview::pageCount() const {
    return static_cast<int>(report_.pages.size());
}

void ReportPreview::showPage(int page) {
    page = std::clamp(page, 1, std::max(1, pageCount()));
    page_ = page;
    view_->setPage(pageCount() > 0 ? &report_.pages[static_cast<std::size_t>(page - 1)] : nullptr,
                   zoom_);
    updateStatus();
}

void ReportPreview::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    showPage(page_);
}

void ReportPreview::updateStatus() {
    const QSignalBlocker block(pageBox_);
    pageBox_->setValue(page_);
    pageCountLabel_->setText(QStringLiteral("de %1").arg(pageCount()));
    const QSignalBlocker blockZoom(zoomBox_);
    const int index = zoomBox_->findData(zoom_);
    if (index >= 0) {
        zoomBox_->setCurrentIndex(index);
    } else {
        zoomBox_->setEditText(QStringLiteral("%1 %").arg(qRound(zoom_ * 100)));
    }
}

bool ReportPreview::exportTo(ExportFormat format) {
    const ExportKind* kind = nullptr;
    for (const ExportKind& k : ExportKinds())
        if (k.format == format)
            kind = &k;
    QString name = report_.title;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath((name.isEmpty() ? QStringLiteral("Reporte") : name) + QLatin1Char('.') +
                      kind->extension);
    QString path = dialogs().saveFileName(QStringLiteral("Exportar a %1").arg(kind->name),
                                          kind->filter, suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + kind->extension;
    try {
        ExportReport(report_, format, path);
        return true;
    } catch (const std::exception& e) {
        dialogs().error(data::errorText(e));
        return false;
    }
}

void ReportPreview::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report_.title);
    if (!report_.pages.empty())
        printer.setPageOrientation(report_.pages.front().landscape ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
    printer.setFromTo(1, pageCount());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimir"));
    dialog.setMinMax(1, pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        const bool range = printer.printRange() == QPrinter::PageRange;
        PrintPages(report_, printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
    } catch (const std::exception& e) {
        dialogs().error(data::errorText(e));
    }
}

void ReportPreview::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(page_ + 1);
        return;
    case Qt::Key_PageUp:
        showPage(page_ - 1);
        return;
    case Qt::Key_Home:
        if (control) {
            showPage(1);
            return;
        }
        break;
    case Qt::Key_End:
        if (control) {
            showPage(pageCount());
            return;
        }
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        if (control) {
            setZoom(zoom_ * 1.25);
            return;
        }
        break;
    case Qt::Key_Minus:
        if (control) {
            setZoom(zoom_ / 1.25);
            return;
        }
        break;
    case Qt::Key_P:
        if (control) {
            print();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

} // namespace orva::platform::report
