#pragma once

#include <QLabel>
#include <vector>

class QKeySequence;
class QToolButton;

namespace suoshui::ui {

// The picture across the top of the frameless window with the toolbar, the title and the
// buttons that minimise, maximise and close the window. Dragging it moves the window and a
// double click maximises or restores it, since the window has no platform caption.
class TopBar : public QLabel {
    Q_OBJECT
  public:
    static constexpr int kHeight = 76;

    // The toolbar's buttons, in the order the bar shows them.
    enum Tool { kRun, kSave, kStore, kReset, kExit };

    explicit TopBar(QWidget* window);

    QToolButton* tool(Tool tool) const { return tools_.at(static_cast<std::size_t>(tool)); }
    // Spans the window's width, with the caption buttons at its right end.
    void fitToWidth(int width);

    // The part of the bar between the toolbar and the title, for the features the main window
    // adds: a row of text buttons above, and a line of controls below.
    QToolButton* addFeatureButton(const QString& objectName, const QString& caption,
                                  const QString& hint, const QKeySequence& shortcut);
    QWidget* featureLine() const { return featureLine_; }

  signals:
    void toolClicked(Tool tool);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void buildToolbar();
    void buildTitle();
    void buildCaptionButtons();
    void buildFeatureArea();

    std::vector<QToolButton*> tools_;
    QWidget* captionButtons_ = nullptr;
    QWidget* featureButtons_ = nullptr;
    QWidget* featureLine_ = nullptr;
    bool pressed_ = false;  // the left button went down on the bar and has not moved it yet
};

}  // namespace suoshui::ui
