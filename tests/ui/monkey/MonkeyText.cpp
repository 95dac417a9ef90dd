#include "monkey/MonkeyText.h"

#include <QByteArray>
#include <QStringList>
#include <initializer_list>

using namespace Qt::StringLiterals;

namespace suoshui::monkey {

namespace {

// Characters that mean something to some box, and characters that must mean nothing.
// The pool's texts are UTF-8 bytes, so that the odd ones can be spelled out.
QStringList fromUtf8(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

const QStringList& characterPool() {
    static const QStringList pool = fromUtf8({"0",
                                              "1",
                                              "2",
                                              "3",
                                              "4",
                                              "5",
                                              "6",
                                              "7",
                                              "8",
                                              "9",
                                              " ",
                                              " ",
                                              ",",
                                              "-",
                                              "\n",
                                              "\t",
                                              "\r\n",
                                              "\xE3\x80\x80" /* wide blank */,
                                              "\xEF\xBC\x90" /* wide 0 */,
                                              "\xEF\xBC\x95" /* wide 5 */,
                                              "\xEF\xBC\x99" /* wide 9 */,
                                              "注",
                                              "组三",
                                              "和值",
                                              "符合条件的",
                                              "\xF0\x9F\x98\x80" /* emoji */,
                                              "\xF0\x9F\x8E\xB2",
                                              "a",
                                              "Z",
                                              "%1",
                                              "\\",
                                              "\"",
                                              "&",
                                              "<br>",
                                              "\xC3\xA9",
                                              "\xE2\x80\xAE" /* right-to-left override */,
                                              "\xEF\xBB\xBF" /* byte-order mark */});
    return pool;
}

}  // namespace

int MonkeyText::below(int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(random_);
}

QString MonkeyText::numbersText(int count) {
    static const QStringList separators = {u" "_s,  u" "_s,    u"  "_s,   u","_s,
                                           u"\n"_s, u"\r\n"_s, QString(), u"\u3000"_s};
    QString text;
    for (int i = 0; i < count; ++i) {
        const int digits = below(8) == 0 ? 1 + below(6) : 3;
        for (int d = 0; d < digits; ++d)
            text += QChar(u'0' + below(10));
        text += separators.at(below(static_cast<int>(separators.size())));
    }
    return text;
}

QString MonkeyText::mixedCharacters(int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        switch (below(12)) {
            case 0:
                text += QChar(0);  // NUL
                break;
            case 1:
                text += QChar(static_cast<char16_t>(0xD800 + below(0x800)));  // lone surrogate
                break;
            case 2:
                text += QChar(static_cast<char16_t>(1 + below(0x7E)));  // controls and ASCII
                break;
            default:
                text += characterPool().at(below(static_cast<int>(characterPool().size())));
        }
    }
    return text;
}

QString MonkeyText::invalidUtf8(int bytes) {
    QByteArray raw;
    for (int i = 0; i < bytes; ++i)
        raw += static_cast<char>(below(256));
    return QString::fromUtf8(raw);
}

QString MonkeyText::longText() {
    const int size = 1000 + below(100'000);
    switch (below(4)) {
        case 0:
            return numbersText(size / 4);
        case 1:
            return QString(size, QChar(u'0' + below(10)));  // one very long line
        case 2:
            return mixedCharacters(size / 2);
        default:
            return invalidUtf8(size);
    }
}

QString MonkeyText::typed() {
    switch (below(4)) {
        case 0:
        case 1:
            return numbersText(1 + below(6));
        case 2:
            return mixedCharacters(1 + below(12));
        default:
            return invalidUtf8(1 + below(16));
    }
}

QString MonkeyText::pasted() {
    switch (below(10)) {
        case 0:
            return longText();
        case 1:
            return {};
        case 2:
        case 3:
            return mixedCharacters(1 + below(200));
        case 4:
            return invalidUtf8(1 + below(400));
        default:
            return numbersText(1 + below(120));
    }
}

}  // namespace suoshui::monkey
