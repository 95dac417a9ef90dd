#include "ui/TopBar.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>
#include <algorithm>

#include "ui/ProductTexts.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

constexpr int kCaptionButtonsWidth = 96;
constexpr int kCaptionButtonsMargin = 10;
// The feature buttons start after the toolbar and run above the title, up to the caption
// buttons; the narrowest window still gives them the width up to the title's icon.
constexpr int kFeatureLeft = 350;
constexpr int kFeatureTop = 6;
constexpr int kFeatureHeight = 25;
constexpr int kFeatureGap = 8;
constexpr int kNarrowestFeatureWidth = 236;

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

// A shortcut, named in the tooltip after what the button does.
void giveShortcut(QToolButton* button, const QString& hint, const QKeySequence& keys) {
    button->setShortcut(keys);
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(hint, keys.toString(QKeySequence::NativeText)));
}

}  // namespace

TopBar::TopBar(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("顶边标题"));
    setPixmap(QPixmap(QStringLiteral(":/pictures/top_bar.jpg")));
    setScaledContents(true);
    setGeometry(0, 0, window->width(), kHeight);
    buildToolbar();
    buildTitle();
    buildCaptionButtons();
    buildFeatureArea();
}

// Between the toolbar (ending at 336) and the icon of the title (at 593), and above the title
// as far as the caption buttons; the line below holds the feature options.
void TopBar::buildFeatureArea() {
    featureButtons_ = new QWidget(this);
    featureButtons_->setObjectName(QStringLiteral("功能按钮"));
    featureButtons_->setGeometry(kFeatureLeft, kFeatureTop, kNarrowestFeatureWidth, kFeatureHeight);
    auto* buttons = new QHBoxLayout(featureButtons_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(6);
    buttons->addStretch();
    featureLine_ = new QWidget(this);
    featureLine_->setObjectName(QStringLiteral("功能选项"));
    featureLine_->setGeometry(kFeatureLeft, 40, kNarrowestFeatureWidth, 26);
}

QToolButton* TopBar::addFeatureButton(const QString& objectName, const QString& caption,
                                      const QString& hint, const QKeySequence& shortcut) {
    auto* button = new QToolButton(featureButtons_);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setFont(heiTi(12));
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; background: rgba(255, 255, 255, 40);"
        " border: 1px solid rgba(255, 255, 255, 140); border-radius: 3px; padding: 2px 6px; }"
        "QToolButton:hover { background: rgba(255, 255, 255, 90); }"));
    giveShortcut(button, hint, shortcut);
    auto* buttons = static_cast<QHBoxLayout*>(featureButtons_->layout());
    buttons->insertWidget(buttons->count() - 1, button);
    return button;
}

void TopBar::buildToolbar() {
    struct ToolPicture {
        const char* name;
        const char* spoken;  // what a screen reader says: the caption under the picture
        const char* picture;
    };
    const ToolPicture tools[] = {
        {"选号结果", "选号", ":/pictures/run.gif"},   {"保存", "保存", ":/pictures/save.gif"},
        {"暂存结果", "暂存", ":/pictures/store.gif"}, {"重置", "重置", ":/pictures/reset.gif"},
        {"退出1", "退出", ":/pictures/exit.gif"},
    };
    const int lefts[] = {22, 89, 148, 219, 290};
    for (int index = 0; index < 5; ++index) {
        QToolButton* button =
            makeImageButton(this, QString::fromUtf8(tools[index].name),
                            QString::fromUtf8(tools[index].picture), {lefts[index], 7, 46, 46});
        button->setAccessibleName(QString::fromUtf8(tools[index].spoken));
        connect(button, &QToolButton::clicked, this,
                [this, index] { emit toolClicked(static_cast<Tool>(index)); });
        tools_.push_back(button);
    }
    giveShortcut(tool(kRun), tool(kRun)->objectName(), QKeySequence(Qt::CTRL | Qt::Key_R));
    giveShortcut(tool(kSave), tool(kSave)->objectName(), QKeySequence(QKeySequence::Save));
    auto* captions =
        new QLabel(QStringLiteral("选  号     保  存     暂  存     重  置      退  出"), this);
    captions->setObjectName(QStringLiteral("工具栏标题"));
    captions->setFont(songTiEvenBlanks(12));
    captions->setStyleSheet(QStringLiteral("color: white;"));
    captions->setGeometry(27, 56, 317, 14);
}

void TopBar::buildTitle() {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("图形按钮4"));
    icon->setPixmap(QPixmap(QStringLiteral(":/pictures/icon.png")));
    icon->setGeometry(593, 32, 37, 31);
    auto* title = new QLabel(productTitle() + QStringLiteral(" ") + shownVersion(), this);
    title->setObjectName(QStringLiteral("标题栏"));
    title->setFont(songTi(24, true));
    title->setStyleSheet(QStringLiteral("color: white;"));
    title->setGeometry(637, 38, 378, 30);
}

void TopBar::buildCaptionButtons() {
    captionButtons_ = new QWidget(this);
    captionButtons_->setObjectName(QStringLiteral("控制按钮框"));
    captionButtons_->setGeometry(635, 3, kCaptionButtonsWidth, 24);
    QWidget* window = parentWidget();
    QToolButton* minimise =
        makeImageButton(captionButtons_, QStringLiteral("最小化"),
                        QStringLiteral(":/pictures/minimise.bmp"), {0, 0, 27, 24});
    QToolButton* maximise =
        makeImageButton(captionButtons_, QStringLiteral("最大化"),
                        QStringLiteral(":/pictures/maximise.bmp"), {27, 0, 27, 24});
    QToolButton* close = makeImageButton(captionButtons_, QStringLiteral("关闭"),
                                         QStringLiteral(":/pictures/close.bmp"), {54, 0, 40, 24});
    connect(minimise, &QToolButton::clicked, window, &QWidget::showMinimized);
    connect(maximise, &QToolButton::clicked, window,
            [window] { window->isMaximized() ? window->showNormal() : window->showMaximized(); });
    connect(close, &QToolButton::clicked, window, &QWidget::close);
}

void TopBar::fitToWidth(int width) {
    resize(width, kHeight);
    const int captionLeft = width - kCaptionButtonsWidth - kCaptionButtonsMargin;
    captionButtons_->move(captionLeft, captionButtons_->y());
    featureButtons_->resize(
        std::max(kNarrowestFeatureWidth, captionLeft - kFeatureGap - kFeatureLeft), kFeatureHeight);
}

void TopBar::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// The move starts only once the mouse moves, so that a double click still reaches the bar.
void TopBar::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ && (event->buttons() & Qt::LeftButton)) {
        pressed_ = false;
        if (QWindow* handle = window()->windowHandle())
            handle->startSystemMove();
        event->accept();
        return;
    }
    QLabel::mouseMoveEvent(event);
}

void TopBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseDoubleClickEvent(event);
        return;
    }
    pressed_ = false;
    QWidget* frame = window();
    frame->isMaximized() ? frame->showNormal() : frame->showMaximized();
    event->accept();
}

}  // namespace suoshui::ui
