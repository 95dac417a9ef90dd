// "存方案" and "读方案" through the window's file dialog, and "容错" in a run.
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

#include "ModalDriver.h"
#include "WindowFixture.h"
#include "features/ConditionTable.h"
#include "monkey/WindowMonkey.h"

namespace {

// What a player sets in a window besides the ticks, control by control. (The colours follow the
// "包含" boxes, except where "重置" leaves the single digits' colours as they were.)
struct ControlStates {
    std::vector<bool> buttonsChecked;  // radios and check boxes, in creation order
    std::vector<QString> texts;        // the named boxes but the result box
    std::vector<int> numbers;          // spin boxes
    bool operator==(const ControlStates&) const = default;
};

ControlStates statesOf(const QWidget& window) {
    ControlStates states;
    for (auto* button : window.findChildren<QAbstractButton*>()) {
        if (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button))
            states.buttonsChecked.push_back(button->isChecked());
    }
    for (const char* name : {"DigitSequenceBox", "BankerBox", "DragBox", "BaseListBox",
                             "TargetCountBox", "ExcludeSetBox1", "ExcludeSetBox2", "ExcludeSetBox3",
                             "ExcludeSetBox4", "ExcludeSinglesBox"})
        states.texts.push_back(QString::fromStdString(boxText(window, name)));
    for (auto* spin : window.findChildren<QSpinBox*>())
        states.numbers.push_back(spin->value());
    return states;
}

// What differs between two settings, for the failure message.
std::string differences(const suoshui::FilterSettings& a, const suoshui::FilterSettings& b) {
    std::string found;
    for (int tag = 1; tag <= 1038; ++tag) {
        if (a.boxes.ticked(tag) != b.boxes.ticked(tag))
            found += " tag " + std::to_string(tag);
    }
    if (a.checks != b.checks)
        found += " checks";
    const std::pair<const char*, std::pair<const std::string*, const std::string*>> texts[] = {
        {"digits", {&a.digitSequence, &b.digitSequence}},
        {"banker", {&a.banker, &b.banker}},
        {"drag", {&a.drag, &b.drag}},
        {"base list", {&a.baseList, &b.baseList}},
        {"singles", {&a.excludeSingles, &b.excludeSingles}},
        {"count", {&a.targetCount, &b.targetCount}}};
    for (const auto& [name, pair] : texts) {
        if (*pair.first != *pair.second)
            found += std::string(" ") + name + " [" + *pair.first + "] vs [" + *pair.second + "]";
    }
    if (a.excludeSets != b.excludeSets)
        found += " sets";
    if (a.numberType != b.numberType || a.mode != b.mode || a.bankerPosition != b.bankerPosition)
        found += " radios";
    if (!(a.tolerance == b.tolerance))
        found += " tolerance";
    return found;
}

// The settings a player can make: the boxes no player can reach (the hidden "重复号" and "和9差5"
// rows, the stray box above "连  号") are left out, as a scheme leaves them out.
suoshui::FilterSettings playerSettings(const MainWindow& window) {
    suoshui::FilterSettings settings = window.readSettings();
    for (const suoshui::WindowBox& box : suoshui::windowBoxes()) {
        if (box.kind != suoshui::BoxKind::Value)
            continue;
        bool named = false;
        for (const auto* lines :
             {&suoshui::basicSummaryLines(), &suoshui::extendedSummaryLines()}) {
            for (const suoshui::SummaryLine& line : *lines)
                named = named || line.tags.contains(box.tag);
        }
        if (!named)
            settings.boxes.setTicked(box.tag, false);
    }
    return settings;
}

class SchemeTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    // The player types the file's name into the dialog and confirms it; a message that
    // follows is read and closed.
    void useFile(MainWindow& on, const char* button, const QString& path) {
        message.clear();
        on.setFileChooser([this, &on, path](suoshui::ui::FileUse) {
            whenModalAppears(&on, [this](QWidget* next) {
                if (auto* box = qobject_cast<QMessageBox*>(next)) {
                    message = box->text();
                    box->accept();
                }
            });
            return path;
        });
        on.findChild<QToolButton*>(QString::fromUtf8(button))->click();
    }

    static std::string reportOfARun(MainWindow& on) {
        on.findChild<QAbstractButton*>(QStringLiteral("选号结果"))->click();
        return boxText(on, "ResultBox");
    }

    QTemporaryDir folder;
    QString message;
};

// A random player's window, saved, then loaded into a fresh window and into one just reset:
// the same controls, the same settings and the same report.
TEST_F(SchemeTest, RandomStatesComeBackControlByControl) {
    for (std::uint64_t seed : {11u, 12u, 13u, 101u}) {
        SCOPED_TRACE(seed);
        MainWindow played;
        suoshui::monkey::WindowMonkey(played, seed).play(150);
        const QString path = folder.filePath(QStringLiteral("方案%1.txt").arg(seed));
        useFile(played, "SaveSchemeButton", path);
        ASSERT_TRUE(QFile::exists(path)) << message.toStdString();
        const suoshui::FilterSettings saved = playerSettings(played);
        MainWindow fresh;
        useFile(fresh, "LoadSchemeButton", path);
        ASSERT_TRUE(message.isEmpty()) << message.toStdString();
        EXPECT_TRUE(playerSettings(fresh) == saved) << differences(playerSettings(fresh), saved);
        const ControlStates loaded = statesOf(fresh), made = statesOf(played);
        EXPECT_EQ(loaded.buttonsChecked, made.buttonsChecked);
        EXPECT_EQ(loaded.texts, made.texts);
        EXPECT_EQ(loaded.numbers, made.numbers);
        EXPECT_EQ(reportOfARun(fresh), reportOfARun(played));
        fresh.findChild<QToolButton*>(QStringLiteral("重置"))->click();
        useFile(fresh, "LoadSchemeButton", path);
        EXPECT_TRUE(playerSettings(fresh) == saved) << differences(playerSettings(fresh), saved);
    }
}

TEST_F(SchemeTest, BrokenFileNamesTheLineAndChangesNothing) {
    const QString path = folder.filePath(QStringLiteral("坏的.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("银罗盘选号缩水方案 版本 1\r\n类型：组选号\r\n和值：10 99\r\n结束\r\n");
    file.close();
    tagged(5)->click();
    const suoshui::FilterSettings before = window->readSettings();
    useFile(*window, "LoadSchemeButton", path);
    EXPECT_TRUE(message.contains(QStringLiteral("第 3 行"))) << message.toStdString();
    EXPECT_EQ(window->readSettings(), before);
}

// "容错 失败 0 至 1 组" keeps the numbers that fail at most one of the two ticked groups, and the
// report says so; the range cannot pass the ticked groups.
TEST_F(SchemeTest, ToleranceKeepsNumbersFailingFewGroupsAndSaysSo) {
    tagged(1)->click();   // 百位 1
    tagged(57)->click();  // 和值 6
    auto* most = named<QSpinBox>("ToleranceMax");
    EXPECT_EQ(most->maximum(), 2);
    named<QCheckBox>("ToleranceOption")->click();
    most->setValue(1);
    run();
    // 100 numbers with 百位 1, and 28 with 和值 6; the 6 with both are counted once.
    EXPECT_EQ(window->session().results.size(), 100u + 28u - 6u);
    EXPECT_NE(result().find("容错：0-1\r\n符合条件的直选号    共有122注"), std::string::npos);
    most->setValue(9);
    EXPECT_EQ(most->value(), 2);
}

}  // namespace
