#include "features/HighLowShape.h"

#include "engine/LotteryNumber.h"

namespace suoshui {

namespace {

std::string_view shapeWhenFirstHigher(int h, int t, int u) {
    if (t > u)
        return "高中低";
    if (t < u)
        return h > u ? "高低中" : (h < u ? "中低高" : "高低高");
    return "高低低";
}

std::string_view shapeWhenFirstLower(int h, int t, int u) {
    if (t < u)
        return "低中高";
    if (t > u)
        return h > u ? "中高低" : (h < u ? "低高中" : "低高低");
    return "低高高";
}

}  // namespace

std::string highLowShape(std::string_view number) {
    const int h = hundredsDigit(number);
    const int t = tensDigit(number);
    const int u = unitsDigit(number);
    if (h > t)
        return std::string(shapeWhenFirstHigher(h, t, u));
    if (h < t)
        return std::string(shapeWhenFirstLower(h, t, u));
    if (t > u)
        return "高高低";
    if (t < u)
        return "低低高";
    return "平";
}

}  // namespace suoshui
