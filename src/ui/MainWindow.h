#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <vector>

#include "engine/Controls.h"
#include "engine/Session.h"
#include "lists/InputPageRules.h"
#include "ui/WindowControls.h"

class QFileDialog;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QScrollBar;
class QToolButton;

namespace suoshui::ui {

class ValueBox;
class TopBar;

// The one working window: option rows, input pages, the scrolled rows of value boxes and the
// result box. The core reads and rewrites it only through the Controls interface.
class MainWindow : public QWidget, public Controls {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 800;
    static constexpr int kDesignHeight = 1309;
    static constexpr int kConditionFrameTop = 129;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Controls
    ValueBoxView* findTag(int tag) override;
    bool isChecked(Check check) const override;
    bool isChecked(Radio radio) const override;
    std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override;
    int positionIndex() const override;
    int windowWidth() const override { return width(); }
    void setResultFont(int points, bool bold) override;
    void setBusy(bool busy) override;
    void processEvents() override;

    // Stretches the edges, the scroll bar and the result box to the current size.
    void layoutMainWindow();

    // The tagged buttons in window order (value boxes, "全选" toggles, then the relay).
    const std::vector<ValueBox*>& taggedButtons() const { return taggedButtons_; }

    // What the program keeps between the player's actions: the tag table, the last results.
    Session& session() { return session_; }
    QFileDialog* fileDialog() const { return fileDialog_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The toolbar's buttons, in the order the top bar shows them.
    enum ToolbarButton { kRun, kSave, kStore, kReset, kExit };

    void buildTopBar();
    void buildCaptionButtons();
    void buildConditionFrame();
    void buildResultArea();
    void buildEdges();
    void buildHiddenParts();
    void watchWheelOverConditions();
    void applyCreationSteps();
    void fitToScreen();
    void connectHandlers();
    void connectToolbar();
    void connectResultGrouping();
    void buildTagTableAndRelay();
    void relayClicksOf(ValueBox* box);
    void onValueBoxClicked(ValueBox* box);
    void connectSelectAllToggles();
    void applySelectAll(ValueBox* toggle, int count, int first);
    void syncSelectAll(ValueBox* toggle);
    void matchPositionRowsToToggles();
    ValueBox* boxOfTag(int tag);
    void connectOptionSwitches();
    void connectModeRadios();
    void onModeChosen(Radio mode);
    void onExcludeSetsClicked(bool ticked);
    void onIncludeOptionClicked(Check include, bool ticked);
    void showInputPage(ShownPage page);
    void hideInputPages();
    void enableBankerAndWasteRows(bool enabled);
    void watchDigitSequenceBox();
    bool emptiesDigitSequenceOnPress() const;
    void resetWindow();
    void resetTicks();
    void resetTextsAndPages();
    void resetRadios();
    void resetSchemesAndPanels();
    void enableInputControls();
    void scrollConditionsTo(int position);
    QString chooseTextFile(bool forSaving);
    void saveResults();
    void importBaseList();
    void setUpKeyboard();

    Session session_;
    WindowControls controls_;
    QElapsedTimer sinceEventPass_;
    QFileDialog* fileDialog_ = nullptr;
    QString lastChosenFile_;  // filled into the file dialog, so repeated saves go to one file
    std::vector<ValueBox*> taggedButtons_;
    TopBar* topBar_ = nullptr;
    QLabel* titleText_ = nullptr;
    QWidget* captionButtons_ = nullptr;
    QToolButton* maximiseButton_ = nullptr;
    std::vector<QToolButton*> toolbar_;
    QFrame* conditionFrame_ = nullptr;
    QFrame* extraPanel_ = nullptr;
    QWidget* bankerRow_ = nullptr;
    QWidget* parityRatioRow_ = nullptr;
    QScrollBar* conditionScrollBar_ = nullptr;
    QWidget* resultGroupingBox_ = nullptr;
    QPlainTextEdit* resultBox_ = nullptr;
    QLabel* busyPanel_ = nullptr;
    QLabel* busyBar_ = nullptr;
    QLabel* leftEdge_ = nullptr;
    QLabel* rightEdge_ = nullptr;
    QLabel* bottomEdge_ = nullptr;
    ValueBox* clickRelay_ = nullptr;
    QWidget* wasteRow_ = nullptr;
    // Whether the player has typed into the digit sequence box since start or the last reset.
    bool digitSequenceTyped_ = false;
};

}  // namespace suoshui::ui

// Test tools and the program name the window without its namespace.
using MainWindow = suoshui::ui::MainWindow;
