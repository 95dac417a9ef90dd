#include "ui/OptionRows.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "features/OptionCaptions.h"
#include "ui/QtText.h"
#include "ui/WindowColours.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

constexpr int kStripWidth = 497;
constexpr int kStripHeight = 26;

// A strip holding one line of options; its radios form one group.
QWidget* makeStrip(QWidget* parent, const char* objectName, int top) {
    auto* strip = new QWidget(parent);
    strip->setObjectName(QString::fromUtf8(objectName));
    strip->setGeometry(0, top, kStripWidth, kStripHeight);
    fillBackground(strip, kStripFill);
    return strip;
}

QHBoxLayout* stripLayout(QWidget* strip, const char* label) {
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(6, 0, 4, 0);
    layout->setSpacing(6);
    auto* caption = new QLabel(QString::fromUtf8(label), strip);
    caption->setFont(songTi(12, true));
    layout->addWidget(caption);
    return layout;
}

template <typename Choice>
QRadioButton* addRadio(QWidget* strip, QHBoxLayout* layout, std::map<Choice, QRadioButton*>& radios,
                       Choice choice, std::string_view caption) {
    auto* radio = new QRadioButton(qtText(caption), strip);
    radio->setFont(heiTi(12));
    layout->addWidget(radio);
    radios[choice] = radio;
    return radio;
}

template <typename Choice>
Choice checkedOf(const std::map<Choice, QRadioButton*>& radios, Choice fallback) {
    for (const auto& [choice, radio] : radios) {
        if (radio->isChecked())
            return choice;
    }
    return fallback;
}

}  // namespace

OptionRows::OptionRows(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("OptionRows"));
    setGeometry(14, 75, kStripWidth, 2 * kStripHeight + 1);
    buildNumberTypeRow();
    buildGenerationModeRow();
    for (const auto& [type, radio] : types_)
        connect(radio, &QRadioButton::toggled, this, &OptionRows::changed);
    for (const auto& [mode, radio] : modes_) {
        connect(radio, &QRadioButton::toggled, this, &OptionRows::changed);
        connect(radio, &QRadioButton::clicked, this,
                [this, mode = mode] { emit modeChosen(mode); });
    }
    for (const auto& [check, box] : options_) {
        connect(box, &QCheckBox::toggled, this, &OptionRows::changed);
        connect(box, &QCheckBox::clicked, this,
                [this, check = check](bool ticked) { emit optionClicked(check, ticked); });
    }
}

void OptionRows::buildNumberTypeRow() {
    QWidget* strip = makeStrip(this, "类型框", 0);
    QHBoxLayout* layout = stripLayout(strip, "类型：");
    const std::pair<NumberType, const char*> types[] = {
        {NumberType::Direct, "直选号"},        {NumberType::DirectSix, "组六直选"},
        {NumberType::DirectThree, "组三直选"}, {NumberType::Group, "组选号"},
        {NumberType::GroupSix, "组六组选"},    {NumberType::GroupThree, "组三组选"},
    };
    for (const auto& [type, caption] : types)
        addRadio(strip, layout, types_, type, caption);
    layout->addStretch();
    types_.at(NumberType::Direct)->setChecked(true);
}

void OptionRows::buildGenerationModeRow() {
    QWidget* strip = makeStrip(this, "方式框", kStripHeight + 1);
    QHBoxLayout* layout = stripLayout(strip, "方式：");
    // Four radios and three options only just fit the strip: closer spacing keeps the last
    // captions whole.
    layout->setSpacing(4);
    for (const auto& [mode, caption] : kModeCaptions)
        addRadio(strip, layout, modes_, mode, caption);
    layout->addSpacing(4);
    const std::pair<Check, const char*> options[] = {
        {Check::ExcludeSets,
         "排除号码：复式排除去掉只由所填数字组成的号码，单式排除去掉所填的号码"},
        {Check::RandomCount, "从选出的号码中随机保留所填的注数"},
        {Check::ExtraEnabled, "让下面的银选指标参与选号；不勾选时它们不起作用"},
    };
    for (const auto& [check, hint] : options) {
        auto* box = new QCheckBox(qtText(captionOf(kOptionCaptions, check)), strip);
        box->setFont(heiTi(12));
        box->setToolTip(QString::fromUtf8(hint));
        options_[check] = box;
        layout->addWidget(box);
    }
    layout->addStretch();
    modes_.at(GenerationMode::Positional)->setChecked(true);
}

NumberType OptionRows::numberType() const {
    return checkedOf(types_, NumberType::Direct);
}

GenerationMode OptionRows::mode() const {
    return checkedOf(modes_, GenerationMode::Positional);
}

QRadioButton* OptionRows::radio(NumberType type) const {
    return types_.at(type);
}

QRadioButton* OptionRows::radio(GenerationMode mode) const {
    return modes_.at(mode);
}

QCheckBox* OptionRows::checkBox(Check check) const {
    const auto found = options_.find(check);
    return found == options_.end() ? nullptr : found->second;
}

std::vector<QWidget*> OptionRows::radiosInReadingOrder() const {
    std::vector<QWidget*> radios;
    for (const auto& [type, radio] : types_)
        radios.push_back(radio);
    for (const auto& [mode, radio] : modes_)
        radios.push_back(radio);
    return radios;
}

void OptionRows::reset() {
    types_.at(NumberType::Direct)->setChecked(true);
    modes_.at(GenerationMode::Positional)->setChecked(true);
    for (const auto& [check, box] : options_)
        box->setChecked(false);
}

}  // namespace suoshui::ui
