#pragma once

#include <QString>
#include <random>

namespace suoshui::monkey {

// Texts a careless or hostile player types or pastes: numbers in every spelling, wide digits
// and blanks, emoji, NULs, bytes that are no UTF-8, and now and then a very long text.
class MonkeyText {
  public:
    explicit MonkeyText(std::mt19937_64& random) : random_(random) {}

    // Short enough to type key by key.
    QString typed();
    // Anything up to about 100 KB, for the clipboard or a direct insert.
    QString pasted();

  private:
    int below(int bound);
    QString numbersText(int count);
    QString mixedCharacters(int count);
    QString invalidUtf8(int bytes);
    QString longText();

    std::mt19937_64& random_;
};

}  // namespace suoshui::monkey
