#include "ui/RowLayout.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

namespace suoshui::ui {

namespace {

constexpr int kRowWidth = 477;
constexpr int kSubFrameWidth = 468;

RowLayout plain(std::string_view name, Container container, std::string_view label, int top,
                int height) {
    RowLayout row;
    row.name = name;
    row.container = container;
    row.labels = {RowLabel{label}};
    row.top = top;
    row.width = kRowWidth;
    row.height = height;
    return row;
}

RowLayout basic(std::string_view name, std::string_view label, int top, int height) {
    return plain(name, Container::ConditionFrame, label, top, height);
}

RowLayout extra(std::string_view name, std::string_view label, int top, int height) {
    return plain(name, Container::ExtraPanel, label, top, height);
}

RowLayout hidden(std::string_view name, std::string_view label, int top, int height) {
    RowLayout row = plain(name, Container::HiddenPanel, label, top, height);
    row.shown = false;
    return row;
}

// The position rows show their "0" box, the last of the row, first.
RowLayout positionRow(std::string_view name, std::string_view label, int top) {
    RowLayout row = basic(name, label, top, 24);
    row.displayLines = {{{}, {9, 0, 1, 2, 3, 4, 5, 6, 7, 8}}};
    return row;
}

// A pattern row of eight boxes in two lines of four.
RowLayout patternRow(std::string_view name, std::string_view label, int top, int height,
                     std::vector<int> firstLine, std::vector<int> secondLine) {
    RowLayout row = basic(name, label, top, height);
    row.displayLines = {{{}, std::move(firstLine)}, {{}, std::move(secondLine)}};
    return row;
}

RowLayout digitSubFrame(std::string_view name, int left, int top) {
    RowLayout row;
    row.name = name;
    row.container = Container::PairsFrame;
    row.parentFrame = "外形框10";
    row.left = left;
    row.top = top;
    row.width = kSubFrameWidth;
    row.height = 18;
    row.include = IncludePlace{289, 0};
    return row;
}

std::vector<RowLayout> conditionFrameRows() {
    RowLayout consecutive = basic("外形框46", "连  号", 604, 21);
    consecutive.offsetBoxes = {{3, -31}};
    RowLayout pairs = basic("外形框10", "二  码", 623, 121);
    pairs.labels.push_back({"组三特征", 4, 60});
    pairs.include = IncludePlace{291, 42};
    return {
        positionRow("外形框2", "百位", 0),
        positionRow("外形框3", "十位", 22),
        positionRow("外形框4", "个位", 44),
        basic("胆框参照", "胆码", 66, 24),
        basic("外形框19", "废码", 88, 24),
        basic("外形框5", "和尾", 110, 24),
        basic("外形框6", "跨度", 132, 24),
        basic("外形框7", "和值", 154, 50),
        basic("外形框12", "除三余", 202, 81),
        basic("外形框8", "除三余比", 281, 39),
        basic("外形框1", "大中小", 318, 82),
        basic("外形框13", "大中小比", 398, 39),
        patternRow("外形框14", "奇偶形态", 435, 39, {0, 1, 2, 7}, {4, 5, 6, 3}),
        basic("奇偶比框", "奇偶比", 472, 21),
        patternRow("外形框15", "大小形态", 491, 39, {7, 6, 5, 3}, {0, 2, 1, 4}),
        basic("外形框17", "大小比", 528, 21),
        patternRow("外形框11", "质合形态", 547, 40, {0, 1, 2, 4}, {7, 5, 6, 3}),
        basic("外形框18", "质合比", 585, 21),
        consecutive,
        pairs,
        digitSubFrame("外形框22", 4, 76),
        digitSubFrame("外形框23", 5, 96),
    };
}

std::vector<RowLayout> extraPanelRows() {
    RowLayout shapes = extra("外形框24", "高中低", 260, 90);
    shapes.displayLines = {{"组六", {0, 1, 2, 3, 5, 4}, 0}, {"组三", {8, 11, 10, 7, 9, 6}, 1}};
    RowLayout consecutiveShapes = extra("外形框9", "连 号", 413, 26);
    consecutiveShapes.labels.push_back({"形态", 8, 14});
    return {
        extra("外形框36", "百十位和", 0, 40),
        extra("外形框35", "十个位和", 38, 40),
        extra("外形框20", "百个位和", 76, 40),
        extra("外形框28", "百十合", 114, 23),
        extra("外形框29", "十个合", 134, 23),
        extra("外形框30", "百个合", 155, 23),
        extra("外形框33", "百十差", 176, 23),
        extra("外形框32", "十个差", 197, 23),
        extra("外形框31", "百个差", 218, 23),
        extra("外形框26", "散 度", 239, 23),
        shapes,
        extra("外形框37", "任意合", 328, 23),
        extra("外形框44", "任意差", 349, 23),
        extra("外形框45", "任意位和", 370, 45),
        consecutiveShapes,
    };
}

std::vector<RowLayout> neverShownRows() {
    RowLayout sumNine = hidden("外形框27", "和9差5", 162, 38);
    sumNine.boxesVisible = false;
    RowLayout repeat = plain("外形框34", Container::RepeatRow, "重复号", 275, 21);
    repeat.left = 532;
    repeat.width = 189;
    repeat.shown = false;
    return {
        hidden("外形框38", "笑咪", 0, 37),
        hidden("外形框39", "乐呵", 35, 37),
        hidden("外形框40", "顺利", 70, 37),
        hidden("外形框41", "笑咪比", 105, 21),
        hidden("外形框42", "乐呵比", 124, 21),
        hidden("外形框43", "顺利比", 143, 21),
        sumNine,
        repeat,
    };
}

std::vector<RowLayout> buildLayouts() {
    std::vector<RowLayout> rows = conditionFrameRows();
    for (auto* more : {extraPanelRows, neverShownRows}) {
        for (RowLayout& row : more())
            rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

const std::vector<RowLayout>& rowLayouts() {
    static const std::vector<RowLayout> layouts = buildLayouts();
    return layouts;
}

const RowLayout& layoutOfRow(std::string_view name) {
    for (const RowLayout& row : rowLayouts()) {
        if (row.name == name)
            return row;
    }
    throw std::out_of_range("no layout for row " + std::string(name));
}

const ContainerPlace& containerPlace(Container container) {
    static const ContainerPlace kPlaces[] = {
        {Container::ConditionFrame, "条件框", 12, 129, 499, 1220},
        {Container::ExtraPanel, "银选面板", 0, 780, 487, 450},
        {Container::HiddenPanel, "银选面板2", 747, 233, 25, 211},
    };
    for (const ContainerPlace& place : kPlaces) {
        if (place.container == container)
            return place;
    }
    throw std::out_of_range("no place for this container");
}

}  // namespace suoshui::ui
