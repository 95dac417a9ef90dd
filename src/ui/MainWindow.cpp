#include "ui/MainWindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QToolButton>
#include <QWheelEvent>

#include "ui/ConditionRows.h"
#include "ui/InputPages.h"
#include "ui/OptionRows.h"
#include "ui/ProductTexts.h"
#include "ui/StartWindow.h"
#include "ui/TopBar.h"
#include "ui/ValueBox.h"
#include "ui/WindowFonts.h"

// The pictures live in the static window library, whose resources the program must load itself.
static void loadWindowPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace suoshui::ui {

namespace {

const QColor kWindowBackground(193, 225, 255);
const QColor kFrameFill(194, 228, 254);
const QColor kEdgeColour(43, 98, 168);
const QString kTitleText = productTitle() + QStringLiteral(" ") + shownVersion();

void fill(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QToolButton* makeImageButton(QWidget* parent, const QString& name, const QString& picture,
                             const QRect& geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAccessibleName(name);
    button->setIcon(QIcon(picture));
    button->setIconSize(geometry.size());
    button->setGeometry(geometry);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel* makeEdge(QWidget* window, const char* name, const QRect& geometry) {
    auto* edge = new QLabel(window);
    edge->setObjectName(QString::fromUtf8(name));
    edge->setGeometry(geometry);
    fill(edge, kEdgeColour);
    return edge;
}

QLabel* makePicture(QWidget* parent, const char* name, const QString& picture,
                    const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setPixmap(QPixmap(picture));
    label->setScaledContents(true);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    closeStartWindows();
    loadWindowPictures();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("银罗盘选号缩水"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setFont(heiTi(12));
    fill(this, kWindowBackground);
    resize(kDesignWidth, kDesignHeight);

    // Built bottom first: the condition frame scrolls up under the option rows and the top bar.
    buildConditionFrame();
    buildNumberTypeRow(this, controls_);
    buildGenerationModeRow(this, controls_);
    buildInputPages(this, controls_);
    buildResultArea();
    buildEdges();
    buildHiddenParts();
    watchWheelOverConditions();
    buildTopBar();
    buildCaptionButtons();

    applyCreationSteps();
    connectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTopBar() {
    topBar_ = new TopBar(this);
    topBar_->setGeometry(0, 0, kDesignWidth, 76);
    const std::pair<const char*, const char*> tools[] = {
        {"选号结果", ":/pictures/run.gif"},   {"保存", ":/pictures/save.gif"},
        {"暂存结果", ":/pictures/store.gif"}, {"重置", ":/pictures/reset.gif"},
        {"退出1", ":/pictures/exit.gif"},
    };
    const int lefts[] = {22, 89, 148, 219, 290};
    for (int index = 0; index < 5; ++index) {
        toolbar_.push_back(makeImageButton(topBar_, QString::fromUtf8(tools[index].first),
                                           QString::fromUtf8(tools[index].second),
                                           {lefts[index], 7, 46, 46}));
    }
    auto* captions =
        new QLabel(QStringLiteral("选  号     保  存     暂  存     重  置      退  出"), topBar_);
    captions->setObjectName(QStringLiteral("工具栏标题"));
    captions->setFont(songTiEvenBlanks(12));
    captions->setStyleSheet(QStringLiteral("color: white;"));
    captions->setGeometry(27, 56, 317, 14);
    auto* icon =
        makePicture(topBar_, "图形按钮4", QStringLiteral(":/pictures/icon.png"), {593, 32, 37, 31});
    icon->setScaledContents(false);
    titleText_ = new QLabel(topBar_);
    titleText_->setObjectName(QStringLiteral("标题栏"));
    titleText_->setFont(songTi(24, true));
    titleText_->setStyleSheet(QStringLiteral("color: white;"));
    titleText_->setGeometry(637, 38, 378, 30);
}

void MainWindow::buildCaptionButtons() {
    captionButtons_ = new QWidget(this);
    captionButtons_->setObjectName(QStringLiteral("控制按钮框"));
    captionButtons_->setGeometry(635, 3, 96, 24);
    QToolButton* minimise =
        makeImageButton(captionButtons_, QStringLiteral("最小化"),
                        QStringLiteral(":/pictures/minimise.bmp"), {0, 0, 27, 24});
    maximiseButton_ = makeImageButton(captionButtons_, QStringLiteral("最大化"),
                                      QStringLiteral(":/pictures/maximise.bmp"), {27, 0, 27, 24});
    QToolButton* close = makeImageButton(captionButtons_, QStringLiteral("关闭"),
                                         QStringLiteral(":/pictures/close.bmp"), {54, 0, 40, 24});
    connect(minimise, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(maximiseButton_, &QToolButton::clicked, this,
            [this] { isMaximized() ? showNormal() : showMaximized(); });
    connect(close, &QToolButton::clicked, this, &QWidget::close);
}

void MainWindow::buildConditionFrame() {
    conditionFrame_ = new QFrame(this);
    conditionFrame_->setObjectName(QStringLiteral("条件框"));
    conditionFrame_->setGeometry(containerPlace(Container::ConditionFrame));
    fill(conditionFrame_, kFrameFill);

    auto* extraTitle = new QLabel(QStringLiteral("银选指标"), conditionFrame_);
    extraTitle->setObjectName(QStringLiteral("银选指标"));
    extraTitle->setFont(songTi(19, true));
    extraTitle->setGeometry(0, 744, 477, 35);
    extraTitle->setAlignment(Qt::AlignCenter);
    extraPanel_ = new QFrame(conditionFrame_);
    extraPanel_->setObjectName(QStringLiteral("银选面板"));
    extraPanel_->setGeometry(containerPlace(Container::ExtraPanel));
    fill(extraPanel_, kFrameFill);
    extraPanel_->setEnabled(false);

    conditionScrollBar_ = new QScrollBar(Qt::Vertical, this);
    conditionScrollBar_->setObjectName(QStringLiteral("ConditionScrollBar"));
    conditionScrollBar_->setAccessibleName(QStringLiteral("多功能条1"));
    conditionScrollBar_->setGeometry(495, 131, 20, 501);
    conditionScrollBar_->setRange(0, 0);
    conditionScrollBar_->setSingleStep(20);
    conditionScrollBar_->setPageStep(200);
    connect(conditionScrollBar_, &QScrollBar::valueChanged, this, &MainWindow::scrollConditionsTo);
}

void MainWindow::buildResultArea() {
    buildResultGroupingBox(this, controls_);
    resultGroupingBox_ = findChild<QWidget*>(QStringLiteral("结果分类框"));
    resultBox_ = new QPlainTextEdit(this);
    resultBox_->setObjectName(QStringLiteral("ResultBox"));
    resultBox_->setAccessibleName(QStringLiteral("编辑框1"));
    resultBox_->setFont(songTi(14));
    resultBox_->setGeometry(515, 165, 269, 417);
    // The box follows the window's width down to a few pixels. A bar that came and went with
    // the text there re-wrapped the report at each change, without end, and froze the window.
    resultBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    controls_.multiLineBoxes[TextBox::Result] = resultBox_;
    busyPanel_ = makePicture(this, "图片框5", QStringLiteral(":/pictures/busy_panel.gif"),
                             {518, 167, 264, 401});
    busyBar_ = makePicture(this, "图片框2", QStringLiteral(":/pictures/busy_bar.gif"),
                           {518, 568, 264, 13});
    busyPanel_->hide();
    busyBar_->hide();
}

void MainWindow::buildEdges() {
    leftEdge_ = makeEdge(this, "左边框", {0, 76, 11, 144});
    rightEdge_ = makeEdge(this, "右边框", {789, 75, 11, 144});
    bottomEdge_ = makeEdge(this, "底边框", {6, 138, 214, 11});
}

void MainWindow::buildHiddenParts() {
    ConditionRowParents parents{conditionFrame_, extraPanel_, this};
    ConditionRowsBuilt rows = buildConditionRows(parents, controls_, taggedButtons_);
    bankerRow_ = rows.bankerRow;
    parityRatioRow_ = rows.parityRatioRow;

    clickRelay_ = new ValueBox(999, QStringLiteral("0"), this);
    clickRelay_->setObjectName(QStringLiteral("all"));
    clickRelay_->setGeometry(728, 239, 16, 13);
    clickRelay_->hide();
    taggedButtons_.push_back(clickRelay_);
}

// Creation, in the order the window has always done it: fit to the screen, colour the frames,
// show the title, aim the file dialog at the program's folder, look up every value box, enable
// the inputs and start with an empty result.
void MainWindow::applyCreationSteps() {
    fitToScreen();
    fill(conditionFrame_, kWindowBackground);
    fill(extraPanel_, kWindowBackground);
    titleText_->setText(kTitleText);
    fileDialog_ = new QFileDialog(this);
    fileDialog_->setObjectName(QStringLiteral("通用对话框1"));
    fileDialog_->setOption(QFileDialog::DontUseNativeDialog);
    fileDialog_->setDirectory(QCoreApplication::applicationDirPath());
    buildTagTableAndRelay();
    enableInputControls();
    session_.baseListStored = false;
    resultBox_->clear();
    layoutMainWindow();
}

void MainWindow::fitToScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    resize(area.width(), area.height() - 6);
    move(area.center() - rect().center());
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (topBar_)
        layoutMainWindow();
}

// The wheel turned anywhere over the condition rows moves the bar, as if turned over the bar.
// Every row and box is watched, not only the frame, because a wheel event that a box passes on
// reaches its parents only when it came from the platform.
void MainWindow::watchWheelOverConditions() {
    conditionFrame_->installEventFilter(this);
    for (QWidget* part : conditionFrame_->findChildren<QWidget*>())
        part->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        (watched == conditionFrame_ ||
         conditionFrame_->isAncestorOf(static_cast<QWidget*>(watched)))) {
        QCoreApplication::sendEvent(conditionScrollBar_, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::scrollConditionsTo(int position) {
    conditionFrame_->move(conditionFrame_->x(), kConditionFrameTop - position);
}

}  // namespace suoshui::ui
