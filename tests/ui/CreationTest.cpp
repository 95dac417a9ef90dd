// What the window has done once it is created, the names a test tool or a screen reader finds
// on each value box, and how a failing handler reaches the player.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>
#include <stdexcept>

#include "WindowFixture.h"
#include "features/ConditionTable.h"
#include "ui/HandlerGuard.h"
#include "ui/HistoryWindow.h"
#include "ui/ValueBox.h"

namespace {

using suoshui::BoxKind;
using suoshui::windowBoxes;
using suoshui::ui::ValueBox;

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program's own folder is not writable once installed.
TEST_F(WindowTest, FileDialogStartsInThePlayersDocuments) {
    auto* dialog = named<QFileDialog>("通用对话框1");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog, window->fileDialog());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(QDir(dialog->directory()).absolutePath(),
              QDir(QDir(documents).exists() ? documents : QDir::homePath()).absolutePath());
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(WindowTest, InputControlsAreEnabled) {
    const char* names[] = {"导入大底",       "BaseListBox",    "PositionSelector",
                           "TargetCountBox", "ExcludeSetBox1", "ExcludeSetBox2",
                           "ExcludeSetBox3", "ExcludeSetBox4", "ExcludeSinglesBox",
                           "外形框23"};
    for (const char* name : names) {
        QWidget* control = named<QWidget>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_TRUE(control->isEnabled()) << name;
    }
}

// The names come from the row that holds the box: its frame and the caption.
TEST_F(WindowTest, ValueBoxesAreNamedAfterTheirRowAndCaption) {
    const auto& buttons = window->taggedButtons();
    ASSERT_EQ(buttons.size(), windowBoxes().size());
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const suoshui::WindowBox& def = windowBoxes()[index];
        if (def.kind != BoxKind::Value)
            continue;
        SCOPED_TRACE(def.tag);
        const ValueBox* box = buttons[index];
        const QString caption = qtText(def.caption);
        EXPECT_EQ(box->objectName(),
                  QString(qtText(def.row->name) + u':' + QString::number(def.tag)));
        // The hover hint's words: "百位：6" is read "百位 6".
        EXPECT_EQ(box->accessibleName(),
                  QString(box->toolTip()).replace(QStringLiteral("："), QStringLiteral(" ")));
        EXPECT_TRUE(box->toolTip().endsWith(caption)) << box->toolTip().toStdString();
    }
}

// A screen reader says what a control is for, in Chinese: never a legacy window-definition name
// ("编辑框1", "退出1"), an English object name or nothing.
// Some forty toggles read "全选": a screen reader must say whose.
TEST_F(WindowTest, EverySelectAllToggleIsNamedWithItsBoxes) {
    QSet<QString> names;
    int toggles = 0;
    for (const auto* toggle : window->findChildren<suoshui::ui::SelectAllToggle*>()) {
        ++toggles;
        const QString name = toggle->accessibleName();
        EXPECT_TRUE(name.endsWith(QStringLiteral(" 全选"))) << name.toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString() << " twice";
        names.insert(name);
    }
    EXPECT_GT(toggles, 30);
}

TEST_F(WindowTest, EveryControlHasAChineseAccessibleName) {
    const QRegularExpression latin(QStringLiteral("^[A-Za-z]"));
    const QRegularExpression endsInDigit(QStringLiteral("\\d$"));
    const QRegularExpression legacyName(QStringLiteral("^\\p{Han}+\\d+$"));
    QWidget* history = window->openHistoryWindow();
    std::vector<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
            qobject_cast<QScrollBar*>(widget))
            controls.push_back(widget);
    }
    ASSERT_GT(controls.size(), 300u);
    for (QWidget* control : controls) {
        // Qt's own parts of a composite control (a spin box's line edit) speak for their owner,
        // and Qt's file dialog names its own controls.
        if (qobject_cast<QAbstractSpinBox*>(control->parentWidget()) ||
            (control->window() != window.get() && control->window() != history) ||
            qobject_cast<QComboBox*>(control->parentWidget()) ||
            qobject_cast<QAbstractItemView*>(control->parentWidget()) ||
            qobject_cast<QAbstractScrollArea*>(control->parentWidget()->parentWidget()))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(face, nullptr);
        const QString name = face->text(QAccessible::Name);
        const std::string what = control->objectName().toStdString() + " (" +
                                 control->metaObject()->className() + ") is called " +
                                 name.toStdString();
        EXPECT_FALSE(name.trimmed().isEmpty()) << what;
        EXPECT_FALSE(latin.match(name).hasMatch()) << what;
        EXPECT_FALSE(legacyName.match(name).hasMatch()) << what;
        if (endsInDigit.match(control->objectName()).hasMatch()) {
            EXPECT_NE(name, control->objectName()) << what;
        }
    }
}

struct HintCase {
    const char* name;
    int tag;
    const char* hint;
};

void PrintTo(const HintCase& c, std::ostream* out) {
    *out << c.name;
}

class HoverHint : public WindowTest, public ::testing::WithParamInterface<HintCase> {};

// A box's hint names it by the label at the head of its line, or by its caption alone where
// its frame has no label.
TEST_P(HoverHint, NamesTheBoxByTheLabelOfItsLine) {
    EXPECT_EQ(tagged(GetParam().tag)->toolTip(), QString::fromUtf8(GetParam().hint));
}

INSTANTIATE_TEST_SUITE_P(Boxes, HoverHint,
                         ::testing::Values(HintCase{"Hundreds", 1, "百位：1"},
                                           HintCase{"SumSecondLine", 78, "和值：27"},
                                           HintCase{"Pairs", 177, "二  码：01"},
                                           HintCase{"GroupThreeTrait", 316, "组三特征：单号大"},
                                           HintCase{"PairDigitSubFrame", 260, "00"},
                                           HintCase{"StrayFour", 226, "连  号：4"},
                                           HintCase{"StackedLabels", 318, "连 号：百十"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(WindowTest, RelayedClicksLeaveTheRelayAndTogglesAlone) {
    for (int tag : {5, 222, 226, 250, 279}) {
        SCOPED_TRACE(tag);
        QAbstractButton* box = tagged(tag);
        box->click();
        EXPECT_TRUE(box->isChecked());
    }
    EXPECT_FALSE(tagged(999)->isChecked());
    EXPECT_FALSE(tagged(1001)->isChecked());
}

// Reads the text of the warning that is open and closes it, as the player would.
QString closeWarning() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return QStringLiteral("no warning");
    const QString text = box->text();
    box->accept();
    return text;
}

struct FailureCase {
    const char* name;
    std::function<void()> handler;
    const char* shown;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class HandlerFailure : public WindowTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(HandlerFailure, IsShownAsAWarningAndGoesNoFurther) {
    QString shown;
    QTimer::singleShot(0, window.get(), [&] { shown = closeWarning(); });
    bool reachedTheEnd = false;
    suoshui::ui::runGuarded(window.get(), [&] {
        GetParam().handler();
        reachedTheEnd = true;
    });
    EXPECT_FALSE(reachedTheEnd);
    EXPECT_EQ(shown, QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, HandlerFailure,
    ::testing::Values(
        FailureCase{"MissingTag", [] { throw suoshui::TagNotFound(280); }, "未找到指定标记的组件"},
        FailureCase{"OtherFailure", [] { throw std::runtime_error("磁盘已满"); }, "磁盘已满"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
