#include "ClientLanguage.h"

#include "MsgDlg.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// "pt_BR.UTF-8", "en_US@euro", "pt_BR:en" as a locale; C and POSIX name no language.
QLocale LocaleOf(const QString& setting) {
    QString name = setting.section(':', 0, 0).section('.', 0, 0).section('@', 0, 0);
    if (name.isEmpty() || name == "C" || name == "POSIX") return QLocale::c();
    return QLocale(name);
}

}  // namespace

QLocale ClientLanguage::SessionLocale() {
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        QLocale locale = LocaleOf(qEnvironmentVariable(variable));
        if (locale.language() != QLocale::C) return locale;
    }
    return QLocale(QLocale::Portuguese, QLocale::Brazil);
}

void ClientLanguage::Install(QCoreApplication& application) {
    const QLocale locale = SessionLocale();
    QLocale::setDefault(locale);
    SetMsgDlgLanguage(locale.language() == QLocale::Portuguese ? TMsgDlgLanguage::PortugueseBrazil
                                                               : TMsgDlgLanguage::English);
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
