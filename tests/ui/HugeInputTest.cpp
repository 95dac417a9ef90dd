// Huge texts through the real window: a pasted 10 MB base list run and stored, a large import,
// every box at its limit. The window must keep processing events and still get the numbers right.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <iostream>

#include "ModalDriver.h"
#include "ReadWait.h"
#include "WindowFixture.h"
#include "lists/NumberText.h"
#include "ui/ChunkedText.h"
#include "ui/ValueBox.h"

using namespace Qt::StringLiterals;

namespace {

// The full sizes take about a minute; CTest runs a smaller import.
bool fullSize() {
    const char* full = std::getenv("SUOSHUI_HUGE_FULL");
    return full && std::string(full) == "1";
}

constexpr qsizetype kMiB = 1024 * 1024;

// Lines of twenty three-digit numbers, from a fixed sequence that repeats some numbers and
// leaves others single, so that the intersection has something to drop.
QString numberLines(qsizetype size, const char* lineEnd) {
    QString text;
    text.reserve(size + 100);
    unsigned state = 12345;
    while (text.size() < size) {
        for (int i = 0; i < 20; ++i) {
            state = state * 1103515245u + 12345u;
            const unsigned value = (state >> 16) % 1000;
            // Below 300 only every tenth number is let through, so some occur only once.
            if (value < 300 && value % 10 != 0)
                continue;
            text += QString::asprintf("%03u ", value);
        }
        text += QLatin1String(lineEnd);
    }
    return text;
}

std::vector<std::string> splitAtBlanks(const std::string& text) {
    std::vector<std::string> numbers;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t blank = text.find(' ', from);
        const std::size_t end = blank == std::string::npos ? text.size() : blank;
        if (end > from)
            numbers.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return numbers;
}

// Counts the passes of a timer that fires every 50 ms, and the time, while an action runs.
struct EventPasses {
    int fired = 0;
    qint64 milliseconds = 0;
};

EventPasses countPassesDuring(const char* what, const std::function<void()>& action) {
    QTimer timer;
    timer.setInterval(50);
    EventPasses passes;
    QObject::connect(&timer, &QTimer::timeout, [&passes] { ++passes.fired; });
    QElapsedTimer clock;
    timer.start();
    clock.start();
    action();
    passes.milliseconds = clock.elapsed();
    timer.stop();
    std::cout << "[ figures  ] " << what << ": " << passes.milliseconds << " ms, " << passes.fired
              << " timer passes\n";
    return passes;
}

class HugeInputTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->show();
        // A warning would wait for a click; note it and close it instead.
        watchForWarnings();
    }

    void watchForWarnings() {
        whenModalAppears(window.get(), [this](QWidget* modal) {
            if (qobject_cast<QFileDialog*>(modal))
                return;  // the import's own dialog, handled by choose()
            ADD_FAILURE() << "unexpected dialog " << modal->metaObject()->className();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        });
    }

    void tick(const char* caption) {
        QAbstractButton* box = captioned(caption);
        ASSERT_NE(box, nullptr) << caption;
        if (!box->isChecked())
            box->click();
    }

    // The player chooses the file.
    void choose(const QString& path) {
        window->setFileChooser([path](suoshui::ui::FileUse) { return path; });
    }
};

TEST_F(HugeInputTest, PastedTenMegabytesRunAndStoreWithIntersectionAndExpansion) {
    const QString pasted = numberLines(10 * kMiB, "\n");
    QApplication::clipboard()->setText(pasted);
    captioned("大底")->click();
    tick("取 交 集");
    tick("组选转直");
    auto* box = named<QPlainTextEdit>("BaseListBox");
    countPassesDuring("paste 10 MB (one Qt paste)", [box] {
        box->selectAll();
        box->paste();
    });
    const std::string typed = baseList();
    ASSERT_EQ(QString::fromStdString(typed), QString(pasted).replace(u"\n"_s, u"\r\n"_s));

    const EventPasses runPasses = countPassesDuring("run over 10 MB", [this] { run(); });
    const auto expected = splitAtBlanks(suoshui::normaliseNumberText(typed, {true, 2, true}));
    ASSERT_FALSE(expected.empty());
    EXPECT_LT(expected.size(), 1000u);  // the single numbers and their digit sets are gone
    EXPECT_EQ(window->session().results, expected);
    EXPECT_GE(runPasses.fired, 1);

    std::string listed;
    for (const std::string& number : window->session().results)
        listed += number + ' ';
    const EventPasses storePasses = countPassesDuring("store into 10 MB", [this] { store(); });
    EXPECT_EQ(baseList(), typed + suoshui::normaliseNumberText(listed, {true, 2, true}));
    EXPECT_GE(storePasses.fired, 3);
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_FALSE(box->document()->isUndoAvailable());
}

TEST_F(HugeInputTest, LargeImportHoldsExactlyTheFileAndKeepsProcessingEvents) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const qsizetype size = (fullSize() ? 60 : 16) * kMiB;
    const QByteArray bytes = numberLines(size, "\r\n").toLatin1();
    const QString path = folder.filePath(QStringLiteral("大底.txt"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    choose(path);
    const std::string what = "import " + std::to_string(size / kMiB) + " MB";
    const EventPasses passes = countPassesDuring(what.c_str(), [this] {
        named<QPushButton>("导入大底")->click();
        waitForReading(*window);
    });
    EXPECT_GE(passes.fired, 3);
    const std::string shown = baseList();
    EXPECT_EQ(shown.size(), static_cast<std::size_t>(bytes.size()));
    EXPECT_TRUE(shown == bytes.toStdString());
}

// Every line box at its limit, both text boxes large, every value box ticked through its row's
// "全选", every option on: the run finishes and its report agrees with its results.
TEST_F(HugeInputTest, EveryBoxAtItsLimitRunsToAConsistentReport) {
    const std::pair<const char*, int> lineBoxes[] = {
        {"DigitSequenceBox", 10}, {"BankerBox", 3},      {"DragBox", 9},
        {"TargetCountBox", 3},    {"ExcludeSetBox1", 7}, {"ExcludeSetBox2", 7},
        {"ExcludeSetBox3", 7},    {"ExcludeSetBox4", 7}};
    for (const auto& [name, limit] : lineBoxes) {
        auto* box = named<QLineEdit>(name);
        ASSERT_NE(box, nullptr) << name;
        box->clear();
        for (QChar typed : QStringLiteral("98765432109876543210"))  // key by key, as typed
            box->insert(typed);
        EXPECT_EQ(box->text().size(), limit) << name;
    }
    setText("ExcludeSinglesBox", numberLines(kMiB, "\r\n").toStdString());
    setText("BaseListBox", numberLines(4 * kMiB, "\r\n").toStdString());
    for (suoshui::ui::ValueBox* toggle : window->taggedButtons()) {
        if (qobject_cast<suoshui::ui::SelectAllToggle*>(toggle) && !toggle->isChecked())
            toggle->click();
    }
    // An option may switch others; a second round ticks what the first one left.
    for (int round = 0; round < 2; ++round) {
        for (QCheckBox* option : window->findChildren<QCheckBox*>()) {
            if (!option->isChecked() && option->isEnabled())
                option->click();
        }
    }
    captioned("大底")->click();
    countPassesDuring("run with every box at its limit", [this] { run(); });

    const std::string report = result();
    const std::size_t count = window->session().results.size();
    std::cout << "[ figures  ] numbers left with every box at its limit: " << count << "\n";
    if (count == 0)
        EXPECT_EQ(report.rfind("符合条件的号码共有0注", 0), 0u) << report.substr(0, 200);
    else
        EXPECT_NE(report.find("共有" + std::to_string(count) + "注"), std::string::npos)
            << report.substr(0, 200);
    EXPECT_LE(count, 987u);  // the target count box holds "987"
}

// The pieces must add up to what setPlainText gives, whatever the lines, blanks and pairs.
struct PiecesCase {
    const char* name;
    QString text;
};

class ChunkedTextTest : public ::testing::TestWithParam<PiecesCase> {};

TEST_P(ChunkedTextTest, PiecesGiveWhatSetPlainTextGives) {
    const QString& text = GetParam().text;
    for (bool readOnly : {false, true}) {
        QPlainTextEdit direct;
        QPlainTextEdit pieces;
        pieces.setReadOnly(readOnly);
        pieces.setPlainText(QStringLiteral("old text"));
        direct.setPlainText(text);
        suoshui::ui::setPlainTextInPieces(&pieces, text, 4);
        EXPECT_EQ(pieces.toPlainText(), direct.toPlainText());
        EXPECT_EQ(pieces.document()->blockCount(), direct.document()->blockCount());
        EXPECT_EQ(pieces.textCursor().position(), direct.textCursor().position());
        EXPECT_FALSE(pieces.document()->isUndoAvailable());
        EXPECT_TRUE(pieces.isUndoRedoEnabled());
        EXPECT_EQ(pieces.isReadOnly(), readOnly);
    }
}

// A piece ends after a line break, or where the text does; a line is never cut in two.
TEST_P(ChunkedTextTest, PiecesNeverCutALine) {
    const QString& text = GetParam().text;
    for (qsizetype from = 0; from < text.size();) {
        const qsizetype to = suoshui::ui::chunkedPieceEnd(text, from, 4);
        ASSERT_GT(to, from);
        EXPECT_TRUE(to == text.size() || text.at(to - 1) == QLatin1Char('\n'));
        from = to;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ChunkedTextTest,
    ::testing::Values(PiecesCase{"Empty", QString()}, PiecesCase{"Short", QStringLiteral("12")},
                      PiecesCase{"Lines", QStringLiteral("123 456\n789\n\n012 ")},
                      PiecesCase{"LongLine", QStringLiteral("123 456 789 012 345\n6")},
                      PiecesCase{"BreaksOnly", QStringLiteral("\n\n\n\n\n\n")},
                      PiecesCase{"CarriageReturns", QStringLiteral("12\r\n34\r56\r\n\r\n")},
                      PiecesCase{"Pairs", QStringLiteral("𝟙𝟚𝟛𝟜𝟝\n号码𝟞\n")}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
