#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "monkey/ModalWatch.h"
#include "monkey/MonkeyText.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace suoshui::ui {
class MainWindow;
}

namespace suoshui::monkey {

// What a monkey session did, for the log and the report.
struct MonkeyFigures {
    long actions = 0;
    long runs = 0;
    long runsCheckedAgainstTests = 0;  // no control changed while they walked
    long runsWithClickDuringRun = 0;
    long clicksAfterRun = 0;  // the posted click came too late: the run was not checked
    long groupingRenders = 0;
    long runsWithResults = 0;  // checked runs that listed at least one number
    long longestActionMs = 0;
    std::string longestAction;
};

// Plays a seeded random sequence of player actions on the real main window and checks the
// result box after every run and every change of the result grouping. Dialogs (保存, 导入大底)
// and closing the window (退出1) are no part of the game.
class WindowMonkey {
  public:
    WindowMonkey(suoshui::ui::MainWindow& window, std::uint64_t seed);

    // Plays until the count is reached or a check fails; true when nothing failed.
    bool play(long actionCount);

    const MonkeyFigures& figures() const { return figures_; }
    // The first failure and the actions that led to it.
    std::string failure() const { return failure_; }
    // Controls the monkey could not find in the window; it plays without them.
    const QStringList& missingControls() const { return missing_; }

  private:
    struct Action {
        int weight;
        void (WindowMonkey::*play)();
    };

    void findControls();
    template <typename Widget>
    void collectCaptioned(const QStringList& captions, std::vector<Widget*>& into);

    int below(int bound);
    template <typename Item>
    Item pick(const std::vector<Item>& items) {
        return items.at(static_cast<std::size_t>(below(static_cast<int>(items.size()))));
    }
    void note(const QString& what);
    void fail(const std::string& what);
    void clickLikeAPlayer(QAbstractButton* button);
    void checkForModals();
    void checkReport(const char* after);
    void checkRun(bool controlsUnchanged);

    // Actions of the game.
    void tickValueBox();
    void clickRadio();
    void toggleOption();
    void choosePosition();
    void typeIntoBox();
    void pasteIntoBox();
    void pressEditingKeys();
    void run();
    void runWithClickDuringRun();
    void store();
    void reset();
    void scroll();
    void resize();

    // Actions that may arrive while a run walks the candidates.
    void clickDuringRun();
    void typeText(QWidget* box, const QString& text);

    suoshui::ui::MainWindow& window_;
    std::uint64_t seed_;
    std::mt19937_64 random_;
    MonkeyText texts_;
    ModalWatch modals_;
    std::vector<QAbstractButton*> taggedButtons_;
    std::vector<QRadioButton*> numberTypes_;
    std::vector<QRadioButton*> modes_;
    std::vector<QRadioButton*> groupings_;
    std::vector<QCheckBox*> options_;
    std::vector<QWidget*> inputBoxes_;  // every text box but the result box
    QWidget* resultBox_ = nullptr;
    QComboBox* positionSelector_ = nullptr;
    QScrollBar* conditionScrollBar_ = nullptr;
    QWidget* conditionFrame_ = nullptr;
    QToolButton* runButton_ = nullptr;
    QToolButton* storeButton_ = nullptr;
    QToolButton* resetButton_ = nullptr;
    QStringList missing_;
    std::vector<Action> actions_;
    int totalWeight_ = 0;
    std::deque<QString> trail_;
    long actionIndex_ = 0;
    std::string failure_;
    MonkeyFigures figures_;
};

}  // namespace suoshui::monkey
