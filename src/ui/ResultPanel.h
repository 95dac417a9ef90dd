#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "lists/ResultListing.h"

class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace suoshui::ui {

class NoteBox;

// The right of the window: the "结果分类：" radios, the result box with the report, and the two
// busy pictures shown over it while a run walks its candidates.
class ResultPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ResultPanel(QWidget* parent);

    ResultGrouping grouping() const;
    // Ticks the radio as the program does, without listing the result anew.
    void setGrouping(ResultGrouping grouping);
    // The report as shown, with CR LF line ends.
    std::string report() const;
    void showReport(const std::string& report);
    // The status line: what the last run, store, save or import did.
    void showStatus(const QString& status);
    QString status() const;
    // The line under the status: how the last result fares against a drawn number; empty hides
    // it. It is never part of the report.
    void showHitLine(const QString& line);
    QString hitLine() const;

    // A run starts: the busy pictures over the box, and the box's font for the window's width.
    void showRunStarted(int windowWidth);
    void showRunEnded();

    // Stretches the result box to this size; the radios and pictures follow its width.
    void fitResultBox(int width, int height);
    // "重置": "常 规" and an empty result box.
    void reset();

    QPlainTextEdit* resultBox() const;
    std::vector<QWidget*> radiosInReadingOrder() const;

  signals:
    // The player clicked a "结果分类：" radio.
    void groupingClicked();

  private:
    void buildGroupingBox();

    std::map<ResultGrouping, QRadioButton*> groupings_;
    QWidget* groupingBox_ = nullptr;
    NoteBox* resultBox_ = nullptr;
    int hitLine_ = 0;
    QLabel* busyPanel_ = nullptr;
    QLabel* busyBar_ = nullptr;
};

}  // namespace suoshui::ui
