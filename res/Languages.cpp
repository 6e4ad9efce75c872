#include "Languages.h"

#include "Resource.h"

const std::vector<Language> &Languages()
{
    static const std::vector<Language> languages{
        {"zh_TW", "繁體中文", nullptr, "qtbase_zh_TW", QLocale::Chinese, QLocale::Taiwan, ID_VIEW_LANGUAGE_ZH},
        {"en", "English", "zarni_en", nullptr, QLocale::English, QLocale::UnitedStates, ID_VIEW_LANGUAGE_EN},
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

QString LanguageCodes()
{
    QStringList codes;
    for (const Language &language : Languages())
        codes << QString::fromLatin1(language.code);
    return codes.join(QStringLiteral(" or "));
}
