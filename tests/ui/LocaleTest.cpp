#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>

#include "WindowFixture.h"

// Qt's own file dialog reads as the rest of the window, whatever the system's language: sizes
// and dates in Chinese, and filters without the pattern typed twice.
TEST_F(WindowTest, FileDialogSpeaksChinese) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("号码.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QFileDialog* dialog = window->fileDialog();
    dialog->setDirectory(folder.path());
    auto* files = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    const QModelIndex root = files->index(folder.path());
    QString size;
    for (int wait = 0; wait < 100 && size.isEmpty(); ++wait) {
        QTest::qWait(20);
        size = files->data(files->index(0, 1, root)).toString();
    }
    EXPECT_EQ(size, QStringLiteral("0 字节"));
    const QString date = files->data(files->index(0, 3, root)).toString();
    EXPECT_TRUE(date.startsWith(QString::number(QDate::currentDate().year()) + u'/'))
        << date.toStdString();
    EXPECT_EQ(QLocale::system().language(), QLocale::Chinese);
}
