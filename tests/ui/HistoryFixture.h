#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "WindowFixture.h"

// A fresh main window with its history window open, found and filled as a player does.
class HistoryFixture : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        named<QToolButton>("HistoryButton")->click();
        history = named<QWidget>("HistoryWindow");
        ASSERT_NE(history, nullptr);
    }

    template <typename Widget>
    Widget* inHistory(const char* name) const {
        auto* widget = history->findChild<Widget*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void paste(const char* text) {
        inHistory<QPlainTextEdit>("HistoryPasteBox")->setPlainText(QString::fromUtf8(text));
        inHistory<QPushButton>("HistoryPasteApply")->click();
    }

    QString status() const { return inHistory<QLabel>("HistoryStatus")->text(); }
    int rows() const { return inHistory<QTableView>("HistoryTable")->model()->rowCount(); }
    QString cell(const char* table, int row, int column) const {
        const QAbstractItemModel* model = inHistory<QTableView>(table)->model();
        return model->data(model->index(row, column)).toString();
    }

    QWidget* history = nullptr;
};
