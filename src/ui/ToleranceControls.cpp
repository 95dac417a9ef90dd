#include "ui/ToleranceControls.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

const QString kOnTheBar = QStringLiteral("color: white;");

QLabel* addWord(QWidget* parent, QHBoxLayout* layout, const char* word) {
    auto* label = new QLabel(QString::fromUtf8(word), parent);
    label->setFont(heiTi(12));
    label->setStyleSheet(kOnTheBar);
    layout->addWidget(label);
    return label;
}

QSpinBox* addEnd(QWidget* parent, QHBoxLayout* layout, const char* name) {
    auto* end = new QSpinBox(parent);
    end->setObjectName(QString::fromUtf8(name));
    end->setFont(heiTi(12));
    end->setRange(0, 0);
    end->setFixedWidth(44);
    layout->addWidget(end);
    return end;
}

}  // namespace

ToleranceControls::ToleranceControls(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ToleranceControls"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    option_ = new QCheckBox(QStringLiteral("容错"), this);
    option_->setObjectName(QStringLiteral("ToleranceOption"));
    option_->setFont(heiTi(12));
    option_->setStyleSheet(kOnTheBar);
    option_->setToolTip(QStringLiteral(
        "容错：号码在打了勾的条件里失败的组数在这个范围内就保留；类型、排除和大底照常"));
    layout->addWidget(option_);
    addWord(this, layout, "失败");
    fewest_ = addEnd(this, layout, "ToleranceMin");
    fewest_->setAccessibleName(QStringLiteral("容错：最少失败组数"));
    addWord(this, layout, "至");
    most_ = addEnd(this, layout, "ToleranceMax");
    most_->setAccessibleName(QStringLiteral("容错：最多失败组数"));
    addWord(this, layout, "组");
    layout->addStretch();
    // The range stays a range: each end pushes the other along.
    connect(fewest_, &QSpinBox::valueChanged, this, [this](int value) {
        if (most_->value() < value)
            most_->setValue(value);
        emit changed();
    });
    connect(most_, &QSpinBox::valueChanged, this, [this](int value) {
        if (fewest_->value() > value)
            fewest_->setValue(value);
        emit changed();
    });
    connect(option_, &QCheckBox::toggled, this, &ToleranceControls::changed);
}

Tolerance ToleranceControls::tolerance() const {
    return {option_->isChecked(), fewest_->value(), most_->value()};
}

void ToleranceControls::setTolerance(const Tolerance& tolerance) {
    option_->setChecked(tolerance.on);
    most_->setValue(tolerance.most);
    fewest_->setValue(tolerance.fewest);
}

void ToleranceControls::setTickedGroups(int count) {
    fewest_->setMaximum(count);
    most_->setMaximum(count);
}

void ToleranceControls::reset() {
    setTolerance({});
}

}  // namespace suoshui::ui
