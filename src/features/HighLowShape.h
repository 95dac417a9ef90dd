#pragma once

#include <string>
#include <string_view>

namespace suoshui {

// The rank shape of hundreds, tens and units: six "组六" shapes ("高中低" ...), six "组三"
// shapes ("高高低" ...) and "平" for three equal digits.
std::string highLowShape(std::string_view number);

}  // namespace suoshui
