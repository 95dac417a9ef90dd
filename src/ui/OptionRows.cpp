#include "ui/OptionRows.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "ui/WindowControls.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

struct RadioDef {
    Radio radio;
    const char* caption;
};

struct CheckDef {
    Check check;
    const char* caption;
};

// A strip of the window holding one line of options; its radios form one group.
QWidget* makeOptionStrip(QWidget* window, const char* objectName, const QRect& geometry) {
    auto* strip = new QWidget(window);
    strip->setObjectName(QString::fromUtf8(objectName));
    strip->setGeometry(geometry);
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, QColor(214, 236, 255));
    strip->setPalette(palette);
    return strip;
}

QLabel* makeStripLabel(QWidget* strip, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), strip);
    label->setFont(songTi(12, true));
    return label;
}

QRadioButton* makeRadio(QWidget* parent, const RadioDef& def, WindowControls& controls) {
    auto* radio = new QRadioButton(QString::fromUtf8(def.caption), parent);
    radio->setFont(heiTi(12));
    controls.radios[def.radio] = radio;
    return radio;
}

QHBoxLayout* stripLayout(QWidget* strip) {
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(6, 0, 4, 0);
    layout->setSpacing(6);
    return layout;
}

}  // namespace

void buildNumberTypeRow(QWidget* window, WindowControls& controls) {
    static const RadioDef kTypes[] = {
        {Radio::Direct, "直选号"}, {Radio::DirectSix, "组六直选"}, {Radio::DirectThree, "组三直选"},
        {Radio::Group, "组选号"},  {Radio::GroupSix, "组六组选"},  {Radio::GroupThree, "组三组选"},
    };
    QWidget* strip = makeOptionStrip(window, "类型框", {14, 75, 497, 26});
    QHBoxLayout* layout = stripLayout(strip);
    layout->addWidget(makeStripLabel(strip, "类型："));
    for (const RadioDef& def : kTypes)
        layout->addWidget(makeRadio(strip, def, controls));
    layout->addStretch();
    controls.radios[Radio::Direct]->setChecked(true);
}

void buildGenerationModeRow(QWidget* window, WindowControls& controls) {
    static const RadioDef kModes[] = {
        {Radio::Positional, "定位"},
        {Radio::DigitSet, "不定位"},
        {Radio::BankerDrag, "胆拖"},
        {Radio::BaseList, "大底"},
    };
    static const CheckDef kOptions[] = {
        {Check::ExcludeSets, "排 除"},
        {Check::RandomCount, "条件随机"},
        {Check::ExtraEnabled, "启用银选"},
    };
    QWidget* strip = makeOptionStrip(window, "方式框", {14, 102, 497, 26});
    QHBoxLayout* layout = stripLayout(strip);
    // Four radios and three options only just fit the strip: closer spacing keeps the last
    // captions whole.
    layout->setSpacing(4);
    layout->addWidget(makeStripLabel(strip, "方式："));
    for (const RadioDef& def : kModes)
        layout->addWidget(makeRadio(strip, def, controls));
    layout->addSpacing(4);
    for (const CheckDef& def : kOptions) {
        auto* check = new QCheckBox(QString::fromUtf8(def.caption), strip);
        check->setFont(heiTi(12));
        controls.checks[def.check] = check;
        layout->addWidget(check);
    }
    layout->addStretch();
    controls.radios[Radio::Positional]->setChecked(true);
}

void buildResultGroupingBox(QWidget* window, WindowControls& controls) {
    static const RadioDef kGroupings[] = {
        {Radio::Flat, "常 规"},   {Radio::BySum, "和 值"},     {Radio::BySumTail, "和 尾"},
        {Radio::BySpan, "跨 度"}, {Radio::ByParity, "奇偶比"}, {Radio::BySizeRatio, "大小比"},
    };
    QWidget* box = makeOptionStrip(window, "结果分类框", {517, 86, 245, 75});
    makeStripLabel(box, "结果分类：")->move(8, 5);
    int index = 0;
    for (const RadioDef& def : kGroupings) {
        QRadioButton* radio = makeRadio(box, def, controls);
        radio->move(14 + (index % 3) * 76, 26 + (index / 3) * 22);
        ++index;
    }
    controls.radios[Radio::Flat]->setChecked(true);
}

}  // namespace suoshui::ui
