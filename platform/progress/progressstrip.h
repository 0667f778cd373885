#pragma once
#include "platform/progress/progress.h"

#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;

namespace orva::platform {

/// The "Proceso" label and its bar, shown while a long task runs. It is driven either
/// through Progress or by the record helpers on progressBar() and progressLabel().
class ProgressStrip : public QWidget, public Progress {
    Q_OBJECT
public:
    explicit ProgressStrip(QWidget* parent = nullptr);
    ~ProgressStrip() override;

    void advance(int step, int maximum, int start) override;
    void show(bool visible) override;
    using QWidget::show;

    /// The bar and the label as data::AvanzarProgreso and data::MostrarProgreso take them.
    data::ProgressBar& progressBar();
    data::ProgressLabel& progressLabel();

    QLabel* label() const { return label_; }
    QProgressBar* bar() const { return bar_; }

private:
    struct Bar;
    struct Label;
    QLabel* label_;
    QProgressBar* bar_;
    std::unique_ptr<Bar> barAdapter_;
    std::unique_ptr<Label> labelAdapter_;
};

} // namespace orva::platform
