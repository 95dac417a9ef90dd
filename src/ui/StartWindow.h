#pragma once

#include <QPixmap>
#include <QWidget>

namespace suoshui::ui {

// The small welcome window that opens first. "开 始" opens the main window, whose creation
// closes this window; "退  出" ends the program before any work begins.
class StartWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 520;
    static constexpr int kDesignHeight = 380;

    explicit StartWindow(QWidget* parent = nullptr);

    const QPixmap& backgroundPicture() const { return background_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildLabels();
    void buildButtons();
    void openMainWindow();

    QPixmap background_;
};

// Closes every start window still open; the main window calls it first thing at its
// creation, so that the welcome window never stays behind the working one.
void closeStartWindows();

}  // namespace suoshui::ui

// Test tools and the program name the window without its namespace.
using StartWindow = suoshui::ui::StartWindow;
