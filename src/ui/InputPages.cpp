#include "ui/InputPages.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QValidator>

#include "ui/LineEnds.h"
#include "ui/WindowControls.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

// The pages stand over the first three condition rows, whose height they have.
constexpr int kPageHeight = 68;

// Limits what the player types without cutting a longer text the program puts in the box
// itself (the hint of the digit sequence box is longer than the ten digits it takes).
class TypedLengthValidator : public QValidator {
  public:
    TypedLengthValidator(int maxChars, QObject* parent) : QValidator(parent), max_(maxChars) {}
    State validate(QString& input, int&) const override {
        return input.size() <= max_ ? Acceptable : Invalid;
    }

  private:
    int max_;
};

QLabel* addLabel(QWidget* page, const char* text, int left, int top) {
    auto* label = new QLabel(QString::fromUtf8(text), page);
    label->setFont(songTi(12));
    label->move(left, top);
    return label;
}

QLineEdit* addLineBox(QWidget* page, const char* name, const QRect& geometry, int maxChars) {
    auto* box = new QLineEdit(page);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(geometry);
    box->setMaxLength(maxChars);
    box->setFont(songTi(12));
    return box;
}

QPlainTextEdit* addMultiLineBox(QWidget* page, const char* name, const QRect& geometry) {
    auto* box = new QPlainTextEdit(page);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(geometry);
    box->setFont(songTi(12));
    return box;
}

QWidget* addPage(QStackedWidget* pages) {
    auto* page = new QWidget(pages);
    pages->addWidget(page);
    return page;
}

void buildDigitSequencePage(QWidget* page, WindowControls& controls) {
    addLabel(page, "输入你选择的数字序列（最多0~9十个是数字）", 8, 8);
    auto* box = new QLineEdit(page);
    box->setObjectName(QStringLiteral("DigitSequenceBox"));
    box->setGeometry(9, 34, 163, 20);
    box->setFont(songTi(14, true));
    box->setValidator(new TypedLengthValidator(10, box));
    box->setText(QStringLiteral("格式如：0245689      "));
    controls.lineBoxes[TextBox::DigitSequence] = box;
}

void buildBankerDragPage(QWidget* page, WindowControls& controls) {
    addLabel(page, "胆码", 14, 8);
    controls.lineBoxes[TextBox::Banker] = addLineBox(page, "BankerBox", {51, 6, 57, 19}, 3);
    addLabel(page, "位置", 146, 8);
    auto* selector = new QComboBox(page);
    selector->setObjectName(QStringLiteral("PositionSelector"));
    selector->setGeometry(181, 6, 93, 20);
    selector->setFont(songTi(12));
    selector->addItems({QStringLiteral("不定位"), QStringLiteral("百  位"),
                        QStringLiteral("十  位"), QStringLiteral("个  位")});
    selector->setCurrentIndex(0);
    controls.positionSelector = selector;
    addLabel(page, "(胆码最多3个)", 282, 8);
    addLabel(page, "拖码", 14, 37);
    controls.lineBoxes[TextBox::Drag] = addLineBox(page, "DragBox", {51, 35, 118, 19}, 9);
    addLabel(page, "（拖码最多9个而且不能包含胆码）", 175, 37);
}

void buildBaseListPage(QWidget* page, WindowControls& controls) {
    auto* import = new QPushButton(QStringLiteral("导入大底"), page);
    import->setObjectName(QStringLiteral("导入大底"));
    import->setGeometry(7, 5, 74, 22);
    import->setFont(songTi(12));
    import->setToolTip(QStringLiteral("提示：必须用空格或者“，”分隔，否则会出错！也可以直接粘贴"));
    controls.importBaseList = import;
    const std::pair<Check, const char*> options[] = {{Check::Intersect, "取 交 集"},
                                                     {Check::GroupToDirect, "组选转直"}};
    int top = 30;
    for (const auto& [check, caption] : options) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), page);
        box->setFont(heiTi(12));
        box->adjustSize();
        // The second option sits near the foot of the page; it ends where the page does.
        box->setGeometry(8, top, box->width(), std::min(box->height(), kPageHeight - top));
        controls.checks[check] = box;
        top += 18;
    }
    QPlainTextEdit* list = addMultiLineBox(page, "BaseListBox", {94, 3, 320, 62});
    list->setPlainText(fromCrLf(QStringLiteral(
        "例如：  123  235  262  687  （只能用空格分开）\r\n也可以把号码直接粘贴在这里\r\n")));
    controls.multiLineBoxes[TextBox::BaseList] = list;
}

void buildCountPage(QWidget* page, WindowControls& controls) {
    addLabel(page, "选择注数：", 10, 8);
    controls.lineBoxes[TextBox::TargetCount] =
        addLineBox(page, "TargetCountBox", {85, 5, 67, 21}, 3);
    addLabel(page, "注", 156, 8);
    QLabel* note = addLabel(page,
                            "    提示：确定注数以后可以选择其它条件。也可先选条件，再定注数。"
                            "加入条件后可能出现比你预想更少的注数。",
                            8, 30);
    note->setWordWrap(true);
    note->resize(460, 36);
}

void buildExclusionPage(QWidget* page, WindowControls& controls) {
    addLabel(page, "复式排除", 6, 3);
    addLabel(page, "输入排除的复式，限4-7个数。", 62, 3);
    const TextBox sets[] = {TextBox::ExcludeSet1, TextBox::ExcludeSet2, TextBox::ExcludeSet3,
                            TextBox::ExcludeSet4};
    const QPoint places[] = {{6, 20}, {117, 20}, {6, 44}, {117, 44}};
    for (int index = 0; index < 4; ++index) {
        const QByteArray name = "ExcludeSetBox" + QByteArray::number(index + 1);
        QLineEdit* box = addLineBox(page, name.constData(), {places[index], QSize(93, 21)}, 7);
        box->setFont(songTi(14, true));
        controls.lineBoxes[sets[index]] = box;
    }
    addLabel(page, "单式排除", 239, 3);
    addLabel(page, "放入需要排除的号码", 295, 3);
    controls.multiLineBoxes[TextBox::ExcludeSingles] =
        addMultiLineBox(page, "ExcludeSinglesBox", {239, 21, 226, 44});
}

}  // namespace

void buildInputPages(QWidget* window, WindowControls& controls) {
    auto* pages = new QStackedWidget(window);
    pages->setObjectName(QStringLiteral("InputPages"));
    pages->setAccessibleName(QStringLiteral("选择夹"));
    pages->setGeometry(14, 128, 474, kPageHeight);
    pages->setAutoFillBackground(true);
    buildDigitSequencePage(addPage(pages), controls);
    buildBankerDragPage(addPage(pages), controls);
    buildBaseListPage(addPage(pages), controls);
    buildCountPage(addPage(pages), controls);
    buildExclusionPage(addPage(pages), controls);
    pages->setCurrentIndex(0);
    pages->hide();
    controls.inputPages = pages;
}

}  // namespace suoshui::ui
