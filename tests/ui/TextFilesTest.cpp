// 保存 and 导入大底 driven through the window's file dialog, with the bytes on disk checked.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringConverter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "ModalDriver.h"
#include "ReadWait.h"
#include "WindowFixture.h"
#include "lists/ReportFile.h"
#include "support/FileSizeLimit.h"

namespace {

using suoshui::testing::FileSizeLimit;

QByteArray gbk(const QString& text) {
    return QStringEncoder("GBK").encode(text);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QRegularExpression kTimeStamp(
    QStringLiteral("^\\d{4}年\\d{1,2}月\\d{1,2}日(\\d{1,2}时(\\d{1,2}分(\\d{1,2}秒)?)?)?$"));

class TextFilesTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    QString inFolder(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    enum class Then { Nothing, Message };

    // The player picks the file (an empty path: accepts what the dialog offers) and confirms.
    // Whatever happens to the file between the choice and its use happens in afterChoice.
    void choose(
        const QString& path, Then then = Then::Nothing, std::function<void()> afterChoice = [] {}) {
        if (path.isEmpty()) {
            acceptWhatTheDialogOffers(then);
            return;
        }
        window->setFileChooser([this, path, then, afterChoice](suoshui::ui::FileUse) {
            afterChoice();
            expectMessageIf(then);
            return path;
        });
    }

    // The one kind of choice left to Qt's own dialog: what it offers from the last time.
    void acceptWhatTheDialogOffers(Then then) {
        whenModalAppears(window.get(), [this, then](QWidget* modal) {
            QDialog* dialog = fileDialogOf(modal);
            dialog->accept();
            if (dialog->isVisible()) {  // refused: close it rather than hang the test
                ADD_FAILURE() << "the dialog did not take what it offered";
                dialog->reject();
                return;
            }
            expectMessageIf(then);
        });
    }

    // A chosen name the dialog itself would not let through (a folder, a lost directory): the
    // choice is confirmed past its checks, as when the file goes away after the choice.
    void chooseBypassingChecks(const QString& path, Then then) { choose(path, then); }

    void cancel() {
        window->setFileChooser([](suoshui::ui::FileUse) { return QString(); });
    }

    static QDialog* fileDialogOf(QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        EXPECT_NE(dialog, nullptr);
        EXPECT_EQ(modal->objectName(), QStringLiteral("通用对话框1"));
        return qobject_cast<QDialog*>(modal);
    }

    // Records the text of the message the action shows next and closes it.
    void expectMessageIf(Then then) {
        if (then != Then::Message)
            return;
        whenModalAppears(window.get(), [this](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) {
                ADD_FAILURE() << "expected a message, found " << modal->metaObject()->className()
                              << " " << modal->objectName().toStdString();
                qobject_cast<QDialog*>(modal)->reject();
                return;
            }
            message = box->text();
            box->accept();
        });
    }

    void save() { named<QToolButton>("保存")->click(); }
    void import() {
        named<QPushButton>("导入大底")->click();
        waitForReading(*window);
    }

    void setResult(const char* report) { setText("ResultBox", report); }

    QTemporaryDir folder;
    QString message;
};

TEST_F(TextFilesTest, TwoSavesToANewFileMakeOneDatedHistoryInGbk) {
    const QString path = inFolder("结果.txt");
    setResult("符合条件的直选号    共有2注\r\n123 124 ");
    choose(path);
    save();
    setResult("符合条件的直选号    共有1注\r\n789 ");
    choose(QString());  // the dialog offers the file chosen last time
    save();

    const QByteArray bytes = readBytes(path);
    const QString text = QStringDecoder("GBK").decode(bytes);
    const QStringList parts = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(parts.size(), 9) << text.toStdString();
    EXPECT_TRUE(
        bytes.startsWith(gbk(QStringLiteral("银罗盘排列3/3D选号缩水工具    V2.90 版\r\n\r\n"))));
    EXPECT_TRUE(kTimeStamp.match(parts[2]).hasMatch()) << parts[2].toStdString();
    EXPECT_EQ(parts[3], QStringLiteral("符合条件的直选号    共有2注"));
    EXPECT_EQ(parts[4], QStringLiteral("123 124 "));
    EXPECT_EQ(parts[5], QString());
    EXPECT_TRUE(kTimeStamp.match(parts[6]).hasMatch()) << parts[6].toStdString();
    EXPECT_EQ(parts[8], QStringLiteral("789 "));
    EXPECT_FALSE(bytes.endsWith("\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(result(), "符合条件的直选号    共有1注\r\n789 ");
}

TEST_F(TextFilesTest, EmptyResultSavesTitleEmptyLineStampAndClosingLineEnd) {
    const QString path = inFolder("empty.txt");
    choose(path);
    save();
    const QString text = QStringDecoder("GBK").decode(readBytes(path));
    const QStringList parts = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(parts.size(), 5) << text.toStdString();
    EXPECT_TRUE(kTimeStamp.match(parts[2]).hasMatch());
    EXPECT_EQ(parts[3], QString());
    EXPECT_EQ(parts[4], QString());
}

TEST_F(TextFilesTest, SavingToAnExistingFileKeepsEverythingBeforeIt) {
    const QString path = inFolder("old.txt");
    writeBytes(path, gbk(QStringLiteral("老的记录，不换行")));
    setResult("456");
    choose(path);
    save();
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.startsWith(gbk(QStringLiteral("老的记录，不换行\r\n"))));
    EXPECT_TRUE(bytes.endsWith("\r\n456"));
}

// A disk that fills up half way through the save (imitated by a limit on the size of the files
// this process may write): the old file stays whole, byte for byte, and the player is told.
TEST_F(TextFilesTest, ASaveThatFailsHalfWayLeavesTheOldFileWhole) {
    const QString path = inFolder("old.txt");
    const QByteArray old = gbk(QStringLiteral("老的记录\r\n")).repeated(100);
    writeBytes(path, old);
    std::string report;
    for (int i = 100; i < 1000; ++i)
        report += std::to_string(i) + ' ';
    setResult(report.c_str());
    choose(path, Then::Message);
    {
        const FileSizeLimit limit(old.size() + 64);
        save();
    }
    EXPECT_EQ(readBytes(path), old);
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
}

// GBK has no emoji: the save names the character and where it stands, and writes nothing.
TEST_F(TextFilesTest, CharactersGbkCannotHoldAreNamedAndNothingIsWritten) {
    const QString path = inFolder("new.txt");
    setResult("123 \xF0\x9F\x98\x80 456");
    choose(path, Then::Message);
    save();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(message.contains(QStringLiteral("“😀”（第 ")) &&
                message.contains(QStringLiteral("没有写入")))
        << message.toStdString();
}

struct UnwritableCase {
    const char* name;
    const char* relativePath;  // inside the test's folder
};

class UnwritableTargetTest : public TextFilesTest,
                             public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableTargetTest, WarningNamesTheFileAndTheResultStays) {
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("a folder.txt")));
    const QString path = inFolder(GetParam().relativePath);
    setResult("123 ");
    chooseBypassingChecks(path, Then::Message);
    save();
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_EQ(result(), "123 ");
}

INSTANTIATE_TEST_SUITE_P(Targets, UnwritableTargetTest,
                         ::testing::Values(UnwritableCase{"Folder", "a folder.txt"},
                                           UnwritableCase{"MissingFolder", "gone/results.txt"}),
                         [](const auto& test) { return std::string(test.param.name); });

struct ImportCase {
    const char* name;
    QByteArray bytes;
};

class ImportEncodingTest : public TextFilesTest,
                           public ::testing::WithParamInterface<ImportCase> {};

const QString kImported = QStringLiteral("123，456\r\n789");

TEST_P(ImportEncodingTest, ImportedTextReplacesTheBaseListAndRuns) {
    const QString path = inFolder("base.txt");
    writeBytes(path, GetParam().bytes);
    setText("BaseListBox", "111 222");
    choose(path);
    import();
    EXPECT_EQ(baseList(), kImported.toStdString());
    EXPECT_FALSE(window->session().baseListStored);

    captioned("大底")->click();
    run();
    EXPECT_EQ(window->session().results, (suoshui::NumberList{"123", "456", "789"}));
}

QByteArray withMark(const char* mark, int markLength, const QByteArray& body) {
    return QByteArray(mark, markLength) + body;
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, ImportEncodingTest,
    ::testing::Values(
        ImportCase{"Gbk", gbk(kImported)}, ImportCase{"Utf8", kImported.toUtf8()},
        ImportCase{"Utf8Mark", withMark("\xEF\xBB\xBF", 3, kImported.toUtf8())},
        ImportCase{"Utf16Little",
                   withMark("\xFF\xFE", 2, QStringEncoder(QStringConverter::Utf16LE)(kImported))},
        ImportCase{"Utf16Big",
                   withMark("\xFE\xFF", 2, QStringEncoder(QStringConverter::Utf16BE)(kImported))}),
    [](const auto& test) { return std::string(test.param.name); });

// A file that gives no number leaves the typed base list as it was, and the status line says
// why; Ctrl+Z has nothing to undo because nothing changed.
class RefusedImportTest : public TextFilesTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(RefusedImportTest, LeavesTheBaseListAndSaysWhy) {
    const QString path = inFolder("refused.txt");
    writeBytes(path, GetParam().bytes);
    setText("BaseListBox", "111 222");
    choose(path);
    import();
    EXPECT_EQ(baseList(), "111 222");
    const QString status = named<QLabel>("StatusLine")->toolTip();
    EXPECT_TRUE(status.startsWith(QStringLiteral("没有导入 ")) &&
                status.endsWith(QStringLiteral("大底保持原样")))
        << status.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedImportTest,
    ::testing::Values(ImportCase{"Empty", QByteArray()}, ImportCase{"Blanks", "  \r\n\t"},
                      ImportCase{"Png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
                      ImportCase{"Undecodable", QByteArray("\x81\x20\xFF\xFE\xFD 123")},
                      ImportCase{"NoNumber", QByteArray("hello 12\n")}),
    [](const auto& test) { return std::string(test.param.name); });

// A long import reads on a worker with a progress strip; "取消" leaves everything as it was.
TEST_F(TextFilesTest, ALongImportCancelledChangesNothing) {
    const QString path = inFolder("long.txt");
    QByteArray bytes;
    for (int i = 0; i < 2'000'000; ++i)
        bytes += QByteArray::number(100 + i % 900) + "\r\n";
    writeBytes(path, bytes);
    setText("BaseListBox", "111 222");
    choose(path);
    named<QPushButton>("导入大底")->click();
    EXPECT_FALSE(named<QWidget>("ReadProgress")->isHidden());
    named<QPushButton>("ReadCancel")->click();
    waitForReading(*window);
    EXPECT_EQ(baseList(), "111 222");
    EXPECT_EQ(named<QLabel>("StatusLine")->toolTip(), QStringLiteral("已取消导入，大底保持原样"));
}

// Two reports saved into one file come back as their two listings, one line each: "取 交 集"
// then finds the numbers the two results share. Dates, counts and conditions give none.
TEST_F(TextFilesTest, ASavedFileImportsBackAsItsListingsOnly) {
    const QString path = inFolder("两次.txt");
    setResult("除三余：012 120 \r\n符合条件的直选号    共有120注\r\n123 124 125 ");
    choose(path);
    save();
    setResult("符合条件的直选号    共有2注\r\n\r\n和尾0的有100注\r\n125 190 \r\n");
    choose(QString());
    save();
    choose(path);
    import();
    EXPECT_EQ(baseList(), "123 124 125 \r\n125 190 \r\n");
    EXPECT_TRUE(named<QLabel>("StatusLine")->toolTip().contains(QStringLiteral("4 个不同的号码")));
    captioned("大底")->click();
    captioned("取 交 集")->click();
    run();
    EXPECT_EQ(window->session().results, (suoshui::NumberList{"125"}));
}

// Each action fills in its own last file; the import never offers the report just saved.
TEST_F(TextFilesTest, ImportAndSaveRememberTheirOwnFile) {
    const QString report = inFolder("report.txt");
    choose(report);
    save();
    EXPECT_TRUE(named<QLabel>("StatusLine")->toolTip().contains(report));
    QString offeredName = QStringLiteral("unset");
    QString offeredFolder;
    whenModalAppears(window.get(), [&](QWidget* modal) {
        QDialog* dialog = fileDialogOf(modal);
        offeredName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        offeredFolder = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
        dialog->reject();
    });
    import();
    EXPECT_EQ(offeredName, QString());
    EXPECT_EQ(offeredFolder, QDir(folder.path()).absolutePath());
}

TEST_F(TextFilesTest, CancelledDialogsTouchNothing) {
    const QString path = inFolder("never.txt");
    setResult("123 ");
    cancel();
    save();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    setText("BaseListBox", "321 654");
    cancel();
    import();
    EXPECT_EQ(baseList(), "321 654");
}

// A dialog opened from inside a run's event pass would run its own loop in the middle of the
// walk; both buttons wait for the run to end instead.
class FileButtonDuringRunTest : public TextFilesTest,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(FileButtonDuringRunTest, OpensNoDialog) {
    bool dialogOpened = false;
    whenModalAppears(window.get(), [&dialogOpened](QWidget* modal) {
        dialogOpened = true;
        qobject_cast<QDialog*>(modal)->reject();
    });
    bool clickedDuringRun = false;
    QTimer::singleShot(0, window.get(), [&] {
        clickedDuringRun = window->session().runInProgress;
        named<QAbstractButton>(GetParam())->click();
    });
    run();
    EXPECT_TRUE(clickedDuringRun);
    EXPECT_FALSE(dialogOpened);
}

INSTANTIATE_TEST_SUITE_P(Buttons, FileButtonDuringRunTest, ::testing::Values("保存", "导入大底"),
                         [](const auto& test) {
                             return std::string(test.index == 0 ? "Save" : "Import");
                         });

TEST_F(TextFilesTest, UnreadableSourceShowsAMessageAndKeepsTheBaseList) {
    const QString folderPath = inFolder("folder.txt");
    ASSERT_TRUE(QDir(folder.path()).mkpath(folderPath));
    setText("BaseListBox", "321 654");
    chooseBypassingChecks(folderPath, Then::Message);
    import();
    EXPECT_TRUE(message.contains(folderPath)) << message.toStdString();
    EXPECT_EQ(baseList(), "321 654");

    const QString vanished = inFolder("vanished.txt");
    writeBytes(vanished, "123 456");
    message.clear();
    choose(vanished, Then::Message, [vanished] { QFile::remove(vanished); });
    import();
    EXPECT_TRUE(message.contains(vanished)) << message.toStdString();
    EXPECT_EQ(baseList(), "321 654");
}

TEST_F(TextFilesTest, FileOverTheLimitIsRefused) {
    const QString path = inFolder("huge.txt");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(suoshui::kImportLimitBytes + 1));  // sparse: no time, no disk
    }
    setText("BaseListBox", "321 654");
    choose(path, Then::Message);
    import();
    EXPECT_TRUE(message.contains(QStringLiteral("64 MB"))) << message.toStdString();
    EXPECT_EQ(baseList(), "321 654");
}

}  // namespace
