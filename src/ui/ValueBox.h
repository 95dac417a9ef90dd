#pragma once

#include <QAbstractButton>
#include <QColor>
#include <optional>
#include <string>

class QPainter;

namespace suoshui::ui {

// Text and background of a box in its ticked state.
struct LitColours {
    QColor text;
    QColor background;
};

// Ticked values are kept: black on green. Ticked values are thrown out: yellow on red.
LitColours includeScheme();
LitColours excludeScheme();
// The lit look of the "全选" toggles that no option recolours.
LitColours toggleScheme();

// The colour scheme a value box starts with: boxes whose ticks throw numbers out start in the
// exclude colours, every other box in the include colours.
LitColours startSchemeOfTag(int tag);

// A tagged toggle of the condition rows, with its caption as UTF-8 for the filter settings.
class ValueBox : public QAbstractButton {
    Q_OBJECT
  public:
    ValueBox(int tag, const QString& caption, QWidget* parent);

    int tag() const { return tag_; }
    void setLitColours(const LitColours& colours);
    LitColours litColours() const { return lit_; }

    const std::string& caption() const { return caption_; }

    // The draws since the box's value last came, written small in a corner while set; the
    // caption stays as it is.
    void setOmission(std::optional<QString> omission);
    std::optional<QString> omission() const { return omission_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintWithOmission(QPainter& painter, const QColor& captionColour);

    int tag_;
    std::string caption_;
    LitColours lit_;
    std::optional<QString> omission_;
};

// The "全选" toggle of a row: a value box whose click applies its state to the row.
class SelectAllToggle : public ValueBox {
    Q_OBJECT
  public:
    SelectAllToggle(int tag, QWidget* parent);
};

}  // namespace suoshui::ui
