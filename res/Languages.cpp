#include "Languages.h"

#include "Resource.h"
#include "Strings.h"

#include <QCoreApplication>

const std::vector<Language> &Languages()
{
    static const std::vector<Language> languages{
        {"zh_TW", "繁體中文", QT_TRANSLATE_NOOP("Strings", "以繁體中文顯示\n繁體中文"), nullptr, "qtbase_zh_TW",
         "AR PL UMing TW", "Mandarin", QLocale::Chinese, QLocale::Taiwan, ID_VIEW_LANGUAGE_ZH},
        {"zh_CN", "简体中文", QT_TRANSLATE_NOOP("Strings", "以簡體中文顯示\n簡體中文"), "zarni_zh_CN", "qtbase_zh_CN",
         "AR PL UMing CN", "Mandarin", QLocale::Chinese, QLocale::China, ID_VIEW_LANGUAGE_ZH_CN},
        {"en", "English", QT_TRANSLATE_NOOP("Strings", "以英文顯示\nEnglish"), "zarni_en", nullptr, "AR PL UMing TW", "",
         QLocale::English, QLocale::UnitedStates, ID_VIEW_LANGUAGE_EN},
    };
    return languages;
}

const Language *FindLanguage(const QString &code)
{
    for (const Language &language : Languages())
        if (code == QLatin1String(language.code))
            return &language;
    return nullptr;
}

const Language *LanguageOfLocale(const QLocale &locale)
{
    for (const Language &language : Languages())
        if (language.language == locale.language() && language.territory == locale.territory())
            return &language;
    return nullptr;
}

const Language *LanguageOfCommand(int command)
{
    for (const Language &language : Languages())
        if (language.command == command)
            return &language;
    return nullptr;
}

QString LanguageCodes()
{
    QStringList codes;
    for (const Language &language : Languages())
        codes << QString::fromLatin1(language.code);
    return Alternatives(codes);
}
