#pragma once

#include <QFutureWatcher>
#include <QStackedWidget>
#include <array>
#include <map>
#include <string>

#include "features/Options.h"
#include "lists/InputPageRules.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace suoshui::ui {

class NoteBox;

// The edit boxes of the input pages.
enum class InputBox {
    DigitSequence,   // "不定位" digits
    Banker,          // "胆码"
    Drag,            // "拖码"
    BaseList,        // "大底"
    TargetCount,     // "选择注数："
    ExcludeSet1,     // "复式排除", upper left
    ExcludeSet2,     // upper right
    ExcludeSet3,     // lower left
    ExcludeSet4,     // lower right
    ExcludeSingles,  // "单式排除"
};

// The four "复式排除" boxes in reading order, as the settings hold their texts.
inline constexpr std::array<InputBox, 4> kExcludeSetBoxes = {
    InputBox::ExcludeSet1, InputBox::ExcludeSet2, InputBox::ExcludeSet3, InputBox::ExcludeSet4};

// The five input pages ("选择夹") that cover the position rows when a mode or option needs
// typed digits or numbers: the digit sequence, banker and drag digits, the base list with its
// import button and list options, the count, and the exclusions. Hidden at start. The digit
// sequence and the base list show what to type as grey placeholder text, never as content.
class InputPages : public QStackedWidget {
    Q_OBJECT
  public:
    explicit InputPages(QWidget* parent);

    // Texts are UTF-8; multi-line boxes give and take CR LF line ends.
    std::string text(InputBox box) const;
    void setText(InputBox box, const std::string& text);
    void setText(InputBox box, const QString& text);
    // "取交集": the occurrences a number needs to stay, 2 to 99.
    int intersectCount() const;
    void setIntersectCount(int count);
    // The banker position: 0 "不定位", 1 "百  位", 2 "十  位", 3 "个  位".
    int positionIndex() const;
    void setPositionIndex(int index);
    // "取 交 集" and "组选转直"; nullptr for the other options.
    QCheckBox* checkBox(Check check) const;

    // Shows the page, or hides the pages for none.
    void showPage(ShownPage page);
    // "重置": every box but the base list emptied, the pages hidden.
    void reset();

    // The inputs in reading order, for the keyboard.
    std::vector<QWidget*> inputsInReadingOrder() const;

  signals:
    void importClicked();
    // A text, the position or a list option changed.
    void changed();

  private:
    void buildDigitSequencePage(QWidget* page);
    void buildBankerDragPage(QWidget* page);
    void buildBaseListPage(QWidget* page);
    void buildCountPage(QWidget* page);
    void buildExclusionPage(QWidget* page);
    void addIntersectCountBox(QWidget* page);
    void nameForScreenReaders();
    void watchBaseList();
    void showBaseListReading();

    std::map<InputBox, QLineEdit*> lineBoxes_;
    std::map<InputBox, QPlainTextEdit*> multiLineBoxes_;
    std::map<Check, QCheckBox*> options_;
    QComboBox* positionSelector_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QSpinBox* intersectCount_ = nullptr;
    NoteBox* baseList_ = nullptr;
    QTimer* readBackDelay_ = nullptr;
    QFutureWatcher<QString> readBack_;
};

}  // namespace suoshui::ui
