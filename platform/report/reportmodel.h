#pragma once
// A banded report as a template describes it and as the program builds on it: pages with
// their paper, bands of the usual kinds, and text, line and picture objects placed on
// the bands. Geometry is in report units: pixels at 96 dots per inch (3.77953 per mm).
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

namespace orva::platform::report {

/// Report units per millimetre (pixels at 96 dots per inch).
inline constexpr double kUnitsPerMm = 96.0 / 25.4;

enum class ObjectKind { Text, Line, Picture };

/// Bands in the order a page is built from them.
enum class BandKind {
    ReportTitle,   ///< once, at the top of the first page
    PageHeader,    ///< top of every page
    ColumnHeader,  ///< under the page header on every page
    GroupHeader,   ///< when its condition's value changes
    MasterData,    ///< once per data row
    GroupFooter,   ///< closes its group
    ReportSummary, ///< once, after the last row
    PageFooter     ///< bottom of every page
};

/// Growth of a text object whose text needs more height than designed.
enum class StretchMode {
    None,         ///< keeps its height (the text is clipped)
    ActualHeight, ///< grows to its text
    MaxHeight     ///< grows to the tallest object of its band
};

enum class HAlign { Left, Center, Right, Justify };
enum class VAlign { Top, Center, Bottom };

struct Frame {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
    double width = 1; ///< units
    QColor color = Qt::black;
    Qt::PenStyle style = Qt::SolidLine;
    bool any() const { return left || top || right || bottom; }
};

struct ReportObject {
    QString name;
    ObjectKind kind = ObjectKind::Text;
    QRectF bounds;          ///< inside its band
    bool fullWidth = false; ///< left 0 and the band's whole width, whatever the page
    // Text objects
    QString text;    ///< may hold expressions in brackets (see reportexpr.h)
    QString dataSet; ///< with dataField: the object shows that field of the current row
    QString dataField;
    QString displayFormat; ///< numbers: "%2.2m", "#,##0.00"…
    QFont font = QFont(QStringLiteral("Arial"), 10);
    QColor color = Qt::black;
    QColor fill; ///< background; invalid for none
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = true;
    StretchMode stretch = StretchMode::None;
    Frame frame;
    // Line objects: the pen
    double lineWidth = 1;
    // Picture objects
    QImage picture;
    bool keepAspect = true;
};

struct Band {
    QString name;
    BandKind kind = BandKind::MasterData;
    double top = 0;       ///< position in the designer; orders bands of one kind
    double height = 0;    ///< designed height; 0 prints nothing unless objects stretch it
    bool stretch = false; ///< grows to hold its objects
    QString condition;    ///< group headers: the expression whose value change opens a group
    QString dataSet;      ///< master data: the source it runs over
    std::vector<ReportObject> objects;
};

struct ReportPage {
    QString name;
    double paperWidthMm = 215.9; ///< portrait width (letter)
    double paperHeightMm = 279.4;
    double marginLeftMm = 10;
    double marginTopMm = 10;
    double marginRightMm = 10;
    double marginBottomMm = 10;
    bool landscape = false;
    std::vector<Band> bands;

    double widthMm() const { return landscape ? paperHeightMm : paperWidthMm; }
    double heightMm() const { return landscape ? paperWidthMm : paperHeightMm; }
    /// Width between the margins, in units.
    double printableWidth() const {
        return (widthMm() - marginLeftMm - marginRightMm) * kUnitsPerMm;
    }
};

struct Report {
    QString name;
    std::vector<ReportPage> pages;

    /// The object of that name on any page and band; nullptr when absent.
    ReportObject* findObject(const QString& name, Band** band = nullptr);
    /// Takes the object out of its band; false when absent.
    bool takeObject(const QString& name, ReportObject& out);
};

} // namespace orva::platform::report
