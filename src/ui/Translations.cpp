#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace suoshui::ui {

void useChineseLocale() {
    // The locale that decides is LC_ALL's when it is set, else LANG's.
    const QByteArray all = qgetenv("LC_ALL");
    const QByteArray effective = all.isEmpty() ? qgetenv("LANG") : all;
    if (!effective.startsWith("zh"))
        qputenv("LC_ALL", "zh_CN.UTF-8");
}

void installChineseTranslations(QCoreApplication& application) {
    const QLocale system = QLocale::system();
    const QLocale chinese =
        system.language() == QLocale::Chinese
            ? system
            : QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    auto* translator = new QTranslator(&application);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace suoshui::ui
