#include "platform/progress/progressstrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace orva::platform {

struct ProgressStrip::Bar : data::ProgressBar {
    explicit Bar(ProgressStrip& s) : strip(s) {}
    int position() const override { return strip.bar_->value(); }
    // A position past the maximum stops at it (the bar would ignore it).
    void setPosition(int p) override { strip.bar_->setValue(std::min(p, strip.bar_->maximum())); }
    void setMaximum(int m) override { strip.bar_->setMaximum(std::max(m, strip.bar_->minimum())); }
    void setVisible(bool v) override {
        strip.bar_->setVisible(v);
        strip.QWidget::setVisible(v || strip.label_->isVisibleTo(&strip));
    }
    void repaint() override { strip.bar_->repaint(); }
    ProgressStrip& strip;
};

struct ProgressStrip::Label : data::ProgressLabel {
    explicit Label(ProgressStrip& s) : strip(s) {}
    void setVisible(bool v) override { strip.label_->setVisible(v); }
    void repaint() override { strip.label_->repaint(); }
    ProgressStrip& strip;
};

ProgressStrip::ProgressStrip(QWidget* parent)
    : QWidget(parent), label_(new QLabel(QStringLiteral("Proceso"), this)),
      bar_(new QProgressBar(this)), barAdapter_(std::make_unique<Bar>(*this)),
      labelAdapter_(std::make_unique<Label>(*this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    layout->addWidget(bar_, 1);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    label_->hide();
    bar_->hide();
}

ProgressStrip::~ProgressStrip() = default;

data::ProgressBar& ProgressStrip::progressBar() {
    return *barAdapter_;
}
data::ProgressLabel& ProgressStrip::progressLabel() {
    return *labelAdapter_;
}

void ProgressStrip::advance(int step, int maximum, int start) {
    data::AvanzarProgreso(*barAdapter_, step, maximum, start);
}

void ProgressStrip::show(bool visible) {
    data::MostrarProgreso(visible, *barAdapter_, *labelAdapter_);
}

} // namespace orva::platform
