#include "ui/StartWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "run/StartUpSeed.h"
#include "ui/LineEnds.h"
#include "ui/MainWindow.h"
#include "ui/ProductTexts.h"
#include "ui/WindowFonts.h"

// The pictures live in the static window library, whose resources the program must load itself.
static void loadStartPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace suoshui::ui {

namespace {

const QColor kBackgroundColour(102, 183, 255);

struct LabelDesign {
    const char* name;
    QString text;
    QFont font;
    QRect geometry;
    Qt::Alignment alignment;
};

QString versionLine() {
    return QStringLiteral("版本：") + shownVersion();
}

// The welcome text ends in a line break, so its first line sits at the top of its box; the
// one-line labels centre their line, which keeps the taller line spacing of the CJK faces
// from cutting the characters. The title is 8 pixels wider (352, not 344) and the version
// line 2 pixels taller (23, not 21) than the classic faces needed: the stand-in faces draw
// wider digits and a taller line, and would otherwise cut the last character and the
// characters' feet.
std::vector<LabelDesign> labelDesigns() {
    return {
        {"欢迎",
         fromCrLf(QStringLiteral("欢迎使用\r\n")),
         songTi(35, true),
         {182, 78, 157, 47},
         Qt::AlignLeft | Qt::AlignTop},
        {"产品名",
         productTitle(),
         songTi(32, true),
         {88, 145, 352, 53},
         Qt::AlignLeft | Qt::AlignVCenter},
        {"版本",
         versionLine(),
         heiTi(19, true),
         {190, 215, 146, 23},
         Qt::AlignLeft | Qt::AlignVCenter},
    };
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setFont(songTi(12));
    button->setGeometry(geometry);
    return button;
}

}  // namespace

StartWindow::StartWindow(QWidget* parent) : QWidget(parent) {
    loadStartPictures();
    setObjectName(QStringLiteral("StartWindow"));
    setWindowTitle(productTitle());
    setFixedSize(kDesignWidth, kDesignHeight);
    background_ = QPixmap(QStringLiteral(":/pictures/start_background.jpg"));
    buildLabels();
    buildButtons();
}

void StartWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundColour);
    if (!background_.isNull())
        painter.drawPixmap(rect(), background_);
}

void StartWindow::buildLabels() {
    for (const LabelDesign& design : labelDesigns()) {
        auto* label = new QLabel(design.text, this);
        label->setObjectName(QString::fromUtf8(design.name));
        label->setFont(design.font);
        label->setAlignment(design.alignment);
        label->setGeometry(design.geometry);
    }
}

void StartWindow::buildButtons() {
    QPushButton* start = makeButton(this, "开始", "开 始", {346, 339, 66, 22});
    QPushButton* exit = makeButton(this, "退出", "退  出", {430, 339, 66, 22});
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &StartWindow::openMainWindow);
    connect(exit, &QPushButton::clicked, this, [] { QCoreApplication::quit(); });
}

// The main window stands on its own: no owner, not modal, gone once the player closes it.
// Its creation closes this window before it is shown; showing it keeps the program alive.
void StartWindow::openMainWindow() {
    auto* window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    seedAtStartUp(window->session());
    window->show();
}

void closeStartWindows() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* start = qobject_cast<StartWindow*>(widget))
            start->close();
    }
}

}  // namespace suoshui::ui
