#pragma once

#include <QAbstractButton>
#include <QColor>
#include <string>

#include "engine/Controls.h"

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

// The colour scheme a value box starts with: the pairs, "废码" and group-three digit boxes start
// as exclusions, every other box as inclusions.
LitColours startSchemeOfTag(int tag);

// A tagged toggle of the condition rows. Its caption is cached as UTF-8 because the filter
// compares it with feature texts for every candidate.
class ValueBox : public QAbstractButton, public ValueBoxView {
    Q_OBJECT
  public:
    ValueBox(int tag, const QString& caption, QWidget* parent);

    int tag() const { return tag_; }
    void setLitColours(const LitColours& colours);
    LitColours litColours() const { return lit_; }

    bool ticked() const override { return isChecked(); }
    void setTicked(bool ticked) override { setChecked(ticked); }
    const std::string& caption() const override { return caption_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int tag_;
    std::string caption_;
    LitColours lit_;
};

// The "全选" toggle of a row: a value box whose click applies its state to the row.
class SelectAllToggle : public ValueBox {
    Q_OBJECT
  public:
    SelectAllToggle(int tag, QWidget* parent);
};

}  // namespace suoshui::ui
