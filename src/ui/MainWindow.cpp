#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSizeGrip>
#include <QTimer>
#include <QToolButton>

#include "features/ConditionCheck.h"
#include "history/Omission.h"
#include "lists/ConditionSummary.h"
#include "lists/KeptSession.h"
#include "lists/NumberText.h"
#include "lists/ReportReading.h"
#include "lists/StoredResult.h"
#include "run/FilterRun.h"
#include "store/KeptHistory.h"
#include "ui/BackgroundRead.h"
#include "ui/ConditionPanel.h"
#include "ui/EventPass.h"
#include "ui/FileActions.h"
#include "ui/HandlerGuard.h"
#include "ui/HistoryWindow.h"
#include "ui/InputPages.h"
#include "ui/OptionRows.h"
#include "ui/QtText.h"
#include "ui/ResultPanel.h"
#include "ui/RunControls.h"
#include "ui/SessionKeeper.h"
#include "ui/StartWindow.h"
#include "ui/TextFiles.h"
#include "ui/ToleranceControls.h"
#include "ui/TrendWindow.h"
#include "ui/ValueBox.h"
#include "ui/WindowColours.h"
#include "ui/WindowFonts.h"

// The pictures live in the static window library, whose resources the program must load itself.
static void loadWindowPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace suoshui::ui {

namespace {

constexpr int kEdgeWidth = 11;
constexpr int kResultLeft = 515;
constexpr int kResultTop = 165;
constexpr int kResultBottomMargin = 5;

// Each window has a database connection of its own, closed with it.
QString historyConnectionName() {
    static int windows = 0;
    return QStringLiteral("kept-history-%1").arg(++windows);
}

QLabel* makeEdge(QWidget* window, const char* name) {
    auto* edge = new QLabel(window);
    edge->setObjectName(QString::fromUtf8(name));
    fillBackground(edge, kEdgeColour);
    return edge;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    closeStartWindows();
    loadWindowPictures();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("银罗盘选号缩水"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setFont(heiTi(12));
    fillBackground(this, kWindowBackground);
    resize(kDesignWidth, kDesignHeight);

    // Built bottom first: the option rows, the pages and the top bar lie over the rows' frame.
    conditions_ = new ConditionPanel(this);
    options_ = new OptionRows(this);
    inputs_ = new InputPages(this);
    results_ = new ResultPanel(this);
    buildEdges();
    topBar_ = new TopBar(this);
    // The frameless window is sized from its lower right corner.
    sizeGrip_ = new QSizeGrip(this);
    sizeGrip_->setObjectName(QStringLiteral("SizeGrip"));
    files_ = new FileActions(this);
    reader_ = new BackgroundRead(this);
    connect(reader_, &BackgroundRead::cancelled, this,
            [this] { results_->showStatus(QStringLiteral("已取消导入，大底保持原样")); });
    tolerance_ = new ToleranceControls(topBar_->featureLine());
    tolerance_->setGeometry(topBar_->featureLine()->rect());
    runControls_ =
        new RunControls(*conditions_, *options_, *inputs_, *results_, *tolerance_, *this);
    keepHistory();
    addFeatureButtons();
    fitToScreen();
    layoutMainWindow();
    connectHandlers();
    setReadingTabOrder();
}

MainWindow::~MainWindow() = default;

void MainWindow::addFeatureButtons() {
    QToolButton* history =
        topBar_->addFeatureButton(QStringLiteral("HistoryButton"), QStringLiteral("开奖历史"),
                                  QStringLiteral("开奖历史：导入往期开奖号码，核对中奖，回测条件"),
                                  QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(history, &QToolButton::clicked, this, [this] { openHistoryWindow(); });
    QToolButton* trend = topBar_->addFeatureButton(
        QStringLiteral("TrendButton"), QStringLiteral("走势图"),
        QStringLiteral("走势图：开奖号码的走势、遗漏和冷热，双击格子勾选号码"),
        QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(trend, &QToolButton::clicked, this, [this] { openTrendWindow(); });
    addSchemeButtons();
    keepSessions();
}

// "恢复上次" and the session written whenever the window closes.
void MainWindow::keepSessions() {
    QToolButton* restore = topBar_->addFeatureButton(
        QStringLiteral("RestoreSessionButton"), QStringLiteral("恢复上次"),
        QStringLiteral("恢复上次"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    SessionKeeper::Window window;
    window.session = [this] {
        KeptSession kept{{readSettings(), results_->grouping()}, std::nullopt};
        if (session_.lastRunSettings)
            kept.results = session_.results;
        return kept;
    };
    window.restore = [this](const KeptSession& kept) { restoreSession(kept); };
    window.tell = [this](const QString& text) { results_->showStatus(text); };
    sessionKeeper_ =
        new SessionKeeper(store::DataFolder::lookUp(), restore, std::move(window), this);
}

void MainWindow::keepSession() {
    sessionKeeper_->keep();
}

// The conditions and base list as a loaded scheme sets them; the result listed again by them,
// as the run had listed it, ready to be stored, saved and checked.
void MainWindow::restoreSession(const KeptSession& kept) {
    applyScheme(kept.scheme);
    if (!kept.results)
        return;
    session_.results = *kept.results;
    session_.lastRunSettings = readSettings();
    results_->showReport(
        conditionSummaryText(*session_.lastRunSettings, results_->grouping(), session_.results));
    if (history_)
        history_->resultsChanged();
}

// The kept draws are read once the window is up, so that a start does not wait for them; the
// value boxes' omission hints follow the chosen lottery's draws from then on.
void MainWindow::keepHistory() {
    kept_ = new store::KeptHistory(store::DataFolder::lookUp(), historyConnectionName(), this);
    connect(kept_, &store::KeptHistory::changed, this, [this](Lottery lottery) {
        if (lottery == kept_->lottery())
            showOmissionHints();
    });
    connect(kept_, &store::KeptHistory::lotteryChanged, this, &MainWindow::showOmissionHints);
    QTimer::singleShot(0, this, &MainWindow::showOmissionHints);
}

void MainWindow::showOmissionHints() {
    const DrawHistory& draws = kept_->draws();
    if (draws.empty())
        omissionHints_.clear();
    else
        omissionHints_.show(OmissionCounts(draws), taggedButtons());
}

store::KeptHistory& MainWindow::keptHistory() {
    return *kept_;
}

// The value boxes a trend chart cell stands for: the digits of the three positions, 和值, 跨度.
std::map<std::pair<Feature, QString>, ValueBox*> MainWindow::trendBoxes() const {
    std::map<int, ValueBox*> byTag;
    for (ValueBox* box : taggedButtons())
        byTag.emplace(box->tag(), box);
    std::map<std::pair<Feature, QString>, ValueBox*> boxes;
    for (const auto& [feature, values] :
         {std::pair{Feature::Hundreds, 10}, std::pair{Feature::Tens, 10},
          std::pair{Feature::Units, 10}, std::pair{Feature::DigitSum, 28},
          std::pair{Feature::Span, 10}}) {
        for (int value = 0; value < values; ++value) {
            const QString caption = QString::number(value);
            const std::optional<int> tag = tagOfFeatureValue(feature, caption.toStdString());
            if (tag && byTag.count(*tag))
                boxes[{feature, caption}] = byTag.at(*tag);
        }
    }
    return boxes;
}

TrendWindow* MainWindow::openTrendWindow() {
    if (!trend_) {
        const auto boxes =
            std::make_shared<const std::map<std::pair<Feature, QString>, ValueBox*>>(trendBoxes());
        trend_ = new TrendWindow(
            *kept_,
            [this] {
                return session_.runInProgress ? QString()
                                              : files_->chooseTextFile(FileUse::ExportTrend);
            },
            this);
        trend_->setTickedLookup([boxes](Feature feature, const QString& value) {
            const auto found = boxes->find({feature, value});
            return found != boxes->end() && found->second->isChecked();
        });
        // A double click ticks the box as a click on it would, and the status line says so.
        connect(trend_, &TrendWindow::cellDoubleClicked, this,
                [this, boxes](Feature feature, const QString& value) {
                    const auto found = boxes->find({feature, value});
                    if (found == boxes->end())
                        return;
                    ValueBox* box = found->second;
                    if (!box->isEnabled()) {
                        results_->showStatus(
                            QStringLiteral("走势图：%1 现在不能勾选").arg(box->accessibleName()));
                        return;
                    }
                    box->click();
                    results_->showStatus(QStringLiteral("走势图：%1 %2")
                                             .arg(box->isChecked() ? QStringLiteral("勾选了")
                                                                   : QStringLiteral("取消了"),
                                                  box->accessibleName()));
                    trend_->tickedChanged();
                });
        connect(runControls_, &RunControls::settingsChanged, trend_, &TrendWindow::tickedChanged);
    }
    trend_->show();
    trend_->raise();
    trend_->activateWindow();
    return trend_;
}

HistoryWindow* MainWindow::openHistoryWindow() {
    if (!history_) {
        HistoryLinks links;
        links.readSettings = [this] { return readSettings(); };
        links.session = [this]() -> const Session& { return session_; };
        links.chooseFile = [this] {
            return session_.runInProgress ? QString()
                                          : files_->chooseTextFile(FileUse::ImportHistory);
        };
        history_ = new HistoryWindow(std::move(links), *kept_, this);
        connect(history_, &HistoryWindow::hitLineChanged, results_, &ResultPanel::showHitLine);
        connect(history_, &HistoryWindow::trendRequested, this, [this] { openTrendWindow(); });
        connect(history_, &HistoryWindow::omissionShownChanged, this,
                [this](bool shown) { omissionHints_.showInBoxes(shown); });
        history_->resultsChanged();
        connect(runControls_, &RunControls::settingsChanged, history_,
                &HistoryWindow::settingsChanged);
    }
    history_->show();
    history_->raise();
    history_->activateWindow();
    return history_;
}

void MainWindow::buildEdges() {
    leftEdge_ = makeEdge(this, "左边框");
    rightEdge_ = makeEdge(this, "右边框");
    bottomEdge_ = makeEdge(this, "底边框");
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

// The option rows, the input pages, the title and the toolbar keep their design places.
void MainWindow::layoutMainWindow() {
    const int W = width();
    const int H = height();
    topBar_->fitToWidth(W);
    leftEdge_->setGeometry(0, 76, kEdgeWidth, H - 76);
    rightEdge_->setGeometry(W - kEdgeWidth, 75, kEdgeWidth, H - 75);
    bottomEdge_->setGeometry(6, H - kEdgeWidth, W - 13, kEdgeWidth);
    conditions_->fitToHeight(H - conditions_->y());
    results_->fitResultBox(rightEdge_->x() - kResultLeft - 3,
                           H - kResultTop - kEdgeWidth - kResultBottomMargin);
    // A reading under way shows across the top of the result box.
    reader_->setGeometry(kResultLeft, kResultTop, rightEdge_->x() - kResultLeft - 3, 30);
    const QSize grip = sizeGrip_->sizeHint();
    sizeGrip_->setGeometry(W - grip.width(), H - grip.height(), grip.width(), grip.height());
    sizeGrip_->raise();
}

void MainWindow::connectHandlers() {
    connect(topBar_, &TopBar::toolClicked, this,
            [this](TopBar::Tool tool) { runGuarded(this, [this, tool] { onTool(tool); }); });
    connect(options_, &OptionRows::modeChosen, this, [this](GenerationMode mode) {
        runGuarded(this, [this, mode] { onModeChosen(mode); });
    });
    connect(options_, &OptionRows::optionClicked, this, [this](Check check, bool ticked) {
        runGuarded(this, [this, check, ticked] { onOptionClicked(check, ticked); });
    });
    connect(inputs_, &InputPages::importClicked, this,
            [this] { runGuarded(this, [this] { importBaseList(); }); });
    connect(results_, &ResultPanel::groupingClicked, this,
            [this] { runGuarded(this, [this] { regroupReport(); }); });
    // "容错" can ask for no more failed groups than there are groups with a tick.
    connect(conditions_, &ConditionPanel::changed, this, &MainWindow::countTickedGroups);
    connect(options_, &OptionRows::changed, this, &MainWindow::countTickedGroups);
}

void MainWindow::countTickedGroups() {
    FilterSettings ticks;
    ticks.boxes = conditions_->boxStates();
    ticks.setChecked(Check::ExtraEnabled, options_->checkBox(Check::ExtraEnabled)->isChecked());
    tolerance_->setTickedGroups(groupCount(toleranceGroups(ticks)));
}

void MainWindow::onTool(TopBar::Tool tool) {
    switch (tool) {
        case TopBar::kRun:
            runAndTell();
            break;
        case TopBar::kSave:
            saveReport();
            break;
        case TopBar::kStore:
            storeResult();
            break;
        case TopBar::kReset:
            resetWindow();
            break;
        case TopBar::kExit:
            close();
            break;
    }
}

void MainWindow::onModeChosen(GenerationMode mode) {
    inputs_->showPage(pageOfMode(mode));
    if (modeMatchesPositionRows(mode))
        conditions_->matchPositionRowsToToggles();
    // The banker digits are typed on the page; ticked banker boxes would contradict them.
    if (modeDisablesBankerAndWaste(mode))
        conditions_->untickBankerBoxes();
    conditions_->enableBankerAndWasteRows(!modeDisablesBankerAndWaste(mode));
}

void MainWindow::onOptionClicked(Check check, bool ticked) {
    switch (check) {
        case Check::ExtraEnabled:
            conditions_->setExtraEnabled(ticked);
            break;
        case Check::RandomCount:
            inputs_->showPage(pageAfterRandomCount(ticked));
            break;
        case Check::ExcludeSets:
            // Unticked, the banker and waste rows keep their state.
            if (ticked)
                conditions_->enableBankerAndWasteRows(true);
            inputs_->showPage(pageAfterExcludeSets(ticked, options_->mode()));
            break;
        default:
            break;
    }
}

// A second click during a run arrives through the run's own event passes; the run in progress
// ignores it, and only the run that ends tells what it did.
void MainWindow::runAndTell() {
    runFilter(*runControls_, session_);
    if (closeAfterRun_) {
        close();
        return;
    }
    if (session_.runInProgress || !session_.lastRunSettings)
        return;
    results_->showStatus(qtText(runStatusText(session_.lastRunTally, *session_.lastRunSettings)));
    if (history_)
        history_->resultsChanged();
}

// A close (退出, Alt+F4, the window manager, the session ending) while a run walks or a handler
// lets events through would destroy what they are using: the run is asked to stop at its next
// event pass and the window closes once it has; a handler's pass is over within moments.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (session_.runInProgress) {
        event->ignore();
        closeAfterRun_ = true;
        runControls_->requestStop();
        return;
    }
    if (insideEventPass()) {
        event->ignore();
        QTimer::singleShot(10, this, &QWidget::close);
        return;
    }
    keepSession();
    QWidget::closeEvent(event);
}

void MainWindow::saveReport() {
    const std::optional<QString> path =
        files_->saveReport(results_->report(), session_.runInProgress);
    if (path)
        results_->showStatus(QStringLiteral("报告已保存到 %1").arg(*path));
}

// "暂存结果": the listing of the report goes to the end of the base list.
void MainWindow::storeResult() {
    const FilterSettings settings = readSettings();
    const std::optional<std::string> stored =
        baseListAfterStore(results_->report(), settings.baseList, listReadingOf(settings));
    if (!stored)
        return;
    inputs_->setText(InputBox::BaseList, *stored);
    session_.baseListStored = true;
    const std::string_view appended = std::string_view(*stored).substr(settings.baseList.size());
    results_->showStatus(QStringLiteral("暂存 %1 注，大底现有 %2 个不同的号码")
                             .arg(readNumberText(appended, {}).found)
                             .arg(readNumberText(*stored, {}).kept));
}

// A file this program saved gives the numbers of its listings; any other file its whole text.
// Reading and checking run on a worker; the base list changes only when the file gives numbers.
void MainWindow::importBaseList() {
    const QString path = files_->chooseImport(session_.runInProgress || reader_->isReading());
    if (path.isEmpty())
        return;
    const auto prepare = [](ImportedText& read) {
        const std::string text = read.text.toStdString();
        if (const std::string problem = baseListImportProblem(text); !problem.empty()) {
            read.refused = qtText(problem);
            return;
        }
        const std::optional<std::string> listings = savedFileListings(text);
        if (listings)
            read.text = qtText(*listings);
        read.note = QStringLiteral("%1 个不同的号码%2")
                        .arg(readNumberText(listings ? *listings : text, {}).kept)
                        .arg(listings ? QStringLiteral("（本程序保存的报告：只取其中列出的号码）")
                                      : QString());
    };
    reader_->start(path, QStringLiteral("大底"), prepare, [this, path](const ImportedText& read) {
        if (read.problem.happened()) {
            files_->warnImportFailed(path, read.problem.reason);
            return;
        }
        if (!read.refused.isEmpty()) {
            results_->showStatus(
                QStringLiteral("没有导入 %1：%2。大底保持原样").arg(path, read.refused));
            return;
        }
        inputs_->setText(InputBox::BaseList, read.text);
        results_->showStatus(QStringLiteral("已导入 %1，有 %2").arg(path, read.note));
    });
}

// A "结果分类：" radio lists the last result anew, as the run that produced it read the
// conditions, without a run.
void MainWindow::regroupReport() {
    const FilterSettings current = readSettings();
    const FilterSettings& ofRun = session_.lastRunSettings ? *session_.lastRunSettings : current;
    results_->showReport(conditionSummaryText(ofRun, results_->grouping(), session_.results));
    if (!session_.lastRunSettings)
        return;
    QString status = QStringLiteral("按上次选号的条件重新列出 %1 注").arg(session_.results.size());
    if (current.asRunUsesThem() != ofRun.asRunUsesThem())
        status += QStringLiteral("；条件已改动，再点选号才会用上");
    results_->showStatus(status);
}

// The foot lines spoke of the report and the result that 重置 takes away: they say so instead.
void MainWindow::resetWindow() {
    conditions_->reset();
    options_->reset();
    inputs_->reset();
    results_->reset();
    tolerance_->reset();
    results_->showStatus(QStringLiteral("已重置：勾选和输入已清空，大底保持原样"));
    results_->showHitLine(QString());
}

void MainWindow::addSchemeButtons() {
    QToolButton* save =
        topBar_->addFeatureButton(QStringLiteral("SaveSchemeButton"), QStringLiteral("存方案"),
                                  QStringLiteral("存方案：把现在的全部条件存进一个文件"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QToolButton* load = topBar_->addFeatureButton(
        QStringLiteral("LoadSchemeButton"), QStringLiteral("读方案"),
        QStringLiteral("读方案：把存过的条件一次设回窗口"), QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(save, &QToolButton::clicked, this,
            [this] { runGuarded(this, [this] { saveScheme(); }); });
    connect(load, &QToolButton::clicked, this,
            [this] { runGuarded(this, [this] { loadScheme(); }); });
}

void MainWindow::saveScheme() {
    if (session_.runInProgress)
        return;
    const QString path = files_->chooseTextFile(FileUse::SaveScheme);
    if (path.isEmpty())
        return;
    const FileProblem problem =
        writeTextFile(path, schemeText({readSettings(), results_->grouping()}));
    if (problem.happened()) {
        QMessageBox::warning(this, QStringLiteral("存方案"),
                             QStringLiteral("方案没有存到文件“%1”：%2").arg(path, problem.reason));
        return;
    }
    results_->showStatus(QStringLiteral("方案已存到 %1").arg(path));
}

// Only a whole, readable scheme changes the window; otherwise the player learns why.
void MainWindow::loadScheme() {
    if (session_.runInProgress)
        return;
    const QString path = files_->chooseTextFile(FileUse::LoadScheme);
    if (path.isEmpty())
        return;
    const ImportedText file = readImportedFile(path);
    const SchemeReading reading =
        file.problem.happened() ? SchemeReading{} : readScheme(file.text.toStdString());
    if (!reading.scheme) {
        const QString why =
            file.problem.happened() ? file.problem.reason
            : reading.faultLine > 0
                ? QStringLiteral("第 %1 行：%2").arg(reading.faultLine).arg(qtText(reading.fault))
                : qtText(reading.fault);
        QMessageBox::warning(
            this, QStringLiteral("读方案"),
            QStringLiteral("没有读入方案“%1”：%2\n窗口里的条件保持原样。").arg(path, why));
        return;
    }
    applyScheme(*reading.scheme);
    results_->showStatus(QStringLiteral("已读入方案 %1").arg(path));
}

// The window from its start state to the scheme's, through the paths a player's clicks take
// where they have effects to follow (pages, position rows, colours, the extra panel); the
// boxes and toggles then take the scheme's states exactly.
void MainWindow::applyScheme(const Scheme& scheme) {
    const FilterSettings& settings = scheme.settings;
    resetWindow();
    options_->radio(settings.numberType)->click();
    options_->radio(settings.mode)->click();
    inputs_->setText(InputBox::DigitSequence, settings.digitSequence);
    inputs_->setText(InputBox::Banker, settings.banker);
    inputs_->setText(InputBox::Drag, settings.drag);
    inputs_->setPositionIndex(settings.bankerPosition);
    inputs_->setText(InputBox::BaseList, settings.baseList);
    for (std::size_t i = 0; i < settings.excludeSets.size(); ++i)
        inputs_->setText(kExcludeSetBoxes[i], settings.excludeSets[i]);
    inputs_->setText(InputBox::ExcludeSingles, settings.excludeSingles);
    inputs_->setText(InputBox::TargetCount, settings.targetCount);
    // "重置" leaves the two list options as they were.
    for (Check check : {Check::Intersect, Check::GroupToDirect}) {
        if (settings.isChecked(check) != inputs_->checkBox(check)->isChecked())
            inputs_->checkBox(check)->click();
    }
    inputs_->setIntersectCount(settings.intersectCount);
    for (Check check : {Check::IncludePairs, Check::IncludePairDigit, Check::IncludeSingleDigit}) {
        if (settings.isChecked(check))
            conditions_->includeBox(check)->click();
    }
    for (Check check : {Check::ExtraEnabled, Check::ExcludeSets, Check::RandomCount}) {
        if (settings.isChecked(check))
            options_->checkBox(check)->click();
    }
    conditions_->setBoxStates(settings.boxes);
    tolerance_->setTolerance(settings.tolerance);
    results_->setGrouping(scheme.grouping);
}

// Tab walks the inputs in the order a player reads them: type and mode rows, the input pages,
// the condition rows, the include options among them, the result grouping and the result.
void MainWindow::setReadingTabOrder() {
    std::vector<QWidget*> order = options_->radiosInReadingOrder();
    for (Check check : {Check::ExcludeSets, Check::RandomCount, Check::ExtraEnabled})
        order.push_back(options_->checkBox(check));
    for (QWidget* input : inputs_->inputsInReadingOrder())
        order.push_back(input);
    QWidget* rows = conditions_->entryBox();
    conditions_->setTabNeighbours(order.back(), conditions_->includeBox(Check::IncludePairs));
    order.push_back(rows);
    for (Check check : {Check::IncludePairs, Check::IncludePairDigit, Check::IncludeSingleDigit})
        order.push_back(conditions_->includeBox(check));
    for (QWidget* radio : results_->radiosInReadingOrder())
        order.push_back(radio);
    order.push_back(results_->resultBox());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

const std::vector<ValueBox*>& MainWindow::taggedButtons() const {
    return conditions_->boxes().all();
}

void MainWindow::setFileChooser(std::function<QString(FileUse)> chooser) {
    files_->setChooser(std::move(chooser));
}

QFileDialog* MainWindow::fileDialog() const {
    return files_->dialog();
}

FilterSettings MainWindow::readSettings() const {
    return runControls_->readSettings();
}

void MainWindow::setEventPassInterval(int milliseconds) {
    runControls_->setEventPassInterval(milliseconds);
}

}  // namespace suoshui::ui
