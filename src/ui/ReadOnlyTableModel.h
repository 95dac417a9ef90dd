#pragma once

#include <QAbstractTableModel>

namespace suoshui::ui {

// A table the views only read, holding its own copy of what it shows: a subclass says its size
// and cells, and replaces its contents only through replaceContents, so that the views are told
// before the old contents go and after the new ones are in place.
class ReadOnlyTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const final {
        return parent.isValid() ? 0 : rows();
    }
    int columnCount(const QModelIndex& parent = {}) const final {
        return parent.isValid() ? 0 : columns();
    }

  protected:
    virtual int rows() const = 0;
    virtual int columns() const = 0;

    template <typename Change>
    void replaceContents(Change&& change) {
        beginResetModel();
        change();
        endResetModel();
    }
};

}  // namespace suoshui::ui
