#pragma once

#include <QWidget>
#include <map>

#include "engine/NumberType.h"
#include "features/Options.h"

class QCheckBox;
class QRadioButton;

namespace suoshui::ui {

// The "类型：" and "方式：" rows under the top bar: the number types, the generation modes and
// the options "排 除", "条件随机" and "启用银选".
class OptionRows : public QWidget {
    Q_OBJECT
  public:
    explicit OptionRows(QWidget* parent);

    NumberType numberType() const;
    GenerationMode mode() const;
    QRadioButton* radio(NumberType type) const;
    QRadioButton* radio(GenerationMode mode) const;
    // The options of the "方式：" row; nullptr for the other options.
    QCheckBox* checkBox(Check check) const;
    // The radios in reading order, for the keyboard.
    std::vector<QWidget*> radiosInReadingOrder() const;

    // "重置": "直选号" and "定位", the options unticked.
    void reset();

  signals:
    // The player chose a mode, or clicked an option.
    void modeChosen(GenerationMode mode);
    void optionClicked(Check check, bool ticked);
    // A radio or an option changed, by the player or by the program.
    void changed();

  private:
    void buildNumberTypeRow();
    void buildGenerationModeRow();

    std::map<NumberType, QRadioButton*> types_;
    std::map<GenerationMode, QRadioButton*> modes_;
    std::map<Check, QCheckBox*> options_;
};

}  // namespace suoshui::ui
