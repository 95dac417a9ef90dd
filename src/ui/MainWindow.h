#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"
#include "lists/Scheme.h"
#include "run/Session.h"
#include "ui/FileActions.h"
#include "ui/OmissionHints.h"
#include "ui/TopBar.h"

class QFileDialog;
class QLabel;
class QSizeGrip;

namespace suoshui {
struct KeptSession;
}

namespace suoshui::store {
class KeptHistory;
}

namespace suoshui::ui {

class ConditionPanel;
class FileActions;
class BackgroundRead;
class HistoryWindow;
class TrendWindow;
class SessionKeeper;
class InputPages;
class OptionRows;
class ResultPanel;
class RunControls;
class ToleranceControls;
class ValueBox;

// The one working window, composed of its panels: the top bar, the option rows, the input
// pages, the rows of value boxes and the result panel. It wires the player's actions to the
// core and stretches the panels to its size.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 800;
    static constexpr int kDesignHeight = 1309;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Stretches the edges, the scroll bar and the result box to the current size.
    void layoutMainWindow();

    // The tagged buttons in window order (value boxes, "全选" toggles, then the relay).
    const std::vector<ValueBox*>& taggedButtons() const;
    // What the program keeps between the player's actions: the last results, the store flag.
    Session& session() { return session_; }
    QFileDialog* fileDialog() const;
    // Answers the next file choice in place of the dialog (test tools).
    void setFileChooser(std::function<QString(FileUse)> chooser);
    // The filter settings as the window shows them now.
    FilterSettings readSettings() const;
    // The shortest time between two event passes of a run (5 ms); tests set 0.
    void setEventPassInterval(int milliseconds);
    // "开奖历史": made when first opened, then shown again as the player left it.
    HistoryWindow* openHistoryWindow();
    // Writes the window's conditions, base list and last result into the data folder, for
    // "恢复上次"; done whenever the window closes.
    void keepSession();
    // "走势图": made when first opened, then shown again.
    TrendWindow* openTrendWindow();
    // The draws the program keeps, one history per lottery, and the chosen lottery.
    store::KeptHistory& keptHistory();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildEdges();
    void fitToScreen();
    void connectHandlers();
    void setReadingTabOrder();
    void onTool(TopBar::Tool tool);
    void runAndTell();
    void saveReport();
    void onModeChosen(GenerationMode mode);
    void onOptionClicked(Check check, bool ticked);
    void storeResult();
    void importBaseList();
    void regroupReport();
    void resetWindow();
    void addSchemeButtons();
    void saveScheme();
    void loadScheme();
    void applyScheme(const Scheme& scheme);
    void countTickedGroups();
    void addFeatureButtons();
    void keepHistory();
    std::map<std::pair<Feature, QString>, ValueBox*> trendBoxes() const;
    void keepSessions();
    void restoreSession(const KeptSession& kept);
    void showOmissionHints();

    Session session_;
    ConditionPanel* conditions_ = nullptr;
    OptionRows* options_ = nullptr;
    InputPages* inputs_ = nullptr;
    ResultPanel* results_ = nullptr;
    TopBar* topBar_ = nullptr;
    QLabel* leftEdge_ = nullptr;
    QLabel* rightEdge_ = nullptr;
    QLabel* bottomEdge_ = nullptr;
    QSizeGrip* sizeGrip_ = nullptr;
    FileActions* files_ = nullptr;
    RunControls* runControls_ = nullptr;
    ToleranceControls* tolerance_ = nullptr;
    HistoryWindow* history_ = nullptr;
    TrendWindow* trend_ = nullptr;
    store::KeptHistory* kept_ = nullptr;
    OmissionHints omissionHints_;
    bool closeAfterRun_ = false;
    SessionKeeper* sessionKeeper_ = nullptr;
    BackgroundRead* reader_ = nullptr;
};

}  // namespace suoshui::ui

// Test tools and the program name the window without its namespace.
using MainWindow = suoshui::ui::MainWindow;
