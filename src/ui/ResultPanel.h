#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "lists/ResultListing.h"

class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace suoshui::ui {

// The right of the window: the "结果分类：" radios, the result box with the report, and the two
// busy pictures shown over it while a run walks its candidates.
class ResultPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ResultPanel(QWidget* parent);

    ResultGrouping grouping() const;
    // The report as shown, with CR LF line ends.
    std::string report() const;
    void showReport(const std::string& report);

    // A run starts: the busy pictures over the box, and the box's font for the window's width.
    void showRunStarted(int windowWidth);
    void showRunEnded();

    // Stretches the result box to this size; the radios and pictures follow its width.
    void fitResultBox(int width, int height);
    // "重置": "常 规" and an empty result box.
    void reset();

    QPlainTextEdit* resultBox() const { return resultBox_; }
    std::vector<QWidget*> radiosInReadingOrder() const;

  signals:
    // The player clicked a "结果分类：" radio.
    void groupingClicked();

  private:
    void buildGroupingBox();

    std::map<ResultGrouping, QRadioButton*> groupings_;
    QWidget* groupingBox_ = nullptr;
    QPlainTextEdit* resultBox_ = nullptr;
    QLabel* busyPanel_ = nullptr;
    QLabel* busyBar_ = nullptr;
};

}  // namespace suoshui::ui
