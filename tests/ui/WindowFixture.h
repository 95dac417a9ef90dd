#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "BoxTexts.h"
#include "ButtonLookup.h"
#include "support/LocalSources.h"
#include "ui/MainWindow.h"

// A fresh main window per test, found through the names a test tool would use.
class WindowTest : public ::testing::Test {
  protected:
    // Every test starts with nothing kept: its own data folder.
    void SetUp() override {
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        pointSourcesAt(dataHome.path(), unreachableSources());
        window = std::make_unique<MainWindow>();
    }

    template <typename Widget>
    Widget* named(const char* name) const {
        return window->findChild<Widget*>(QString::fromUtf8(name));
    }

    // The first button with this caption, as a player reads it on the screen.
    QAbstractButton* captioned(const char* caption) const {
        return buttonCaptioned(*window, QString::fromUtf8(caption));
    }

    // The first button carrying the tag, in creation order.
    QAbstractButton* tagged(int tag) const {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->property("tag").toInt() == tag)
                return button;
        }
        return nullptr;
    }

    // The toolbar buttons a test clicks most, and the boxes it reads back.
    void run() { named<QAbstractButton>("选号结果")->click(); }
    void store() { named<QAbstractButton>("暂存结果")->click(); }
    std::string text(const char* box) const { return boxText(*window, box); }
    void setText(const char* box, const std::string& text) { setBoxText(*window, box, text); }
    std::string result() const { return text("ResultBox"); }
    std::string baseList() const { return text("BaseListBox"); }

    QTemporaryDir dataHome;
    std::unique_ptr<MainWindow> window;
};
