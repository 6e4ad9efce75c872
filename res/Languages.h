#pragma once
// The languages of the interface, a row each, read by the 語言 menu,
// --lang, the settings and the help. The texts in the sources are the first
// row's; each other row has its translation file (i18n/zarni_CODE.ts).

#include <QLocale>
#include <QString>
#include <vector>

struct Language {
    const char *code;        // as --lang and the settings say it: "zh_TW"
    const char *name;        // in itself, as the menu shows it: "繁體中文"
    const char *ownFile;     // our translation (":/i18n"), none for the sources' texts
    const char *toolkitFile; // the toolkit's own (its translations folder), none for English
    QLocale::Language language;
    QLocale::Territory territory;
    int command; // its item in the 語言 menu
};

const std::vector<Language> &Languages();
// The row of a code, or null.
const Language *FindLanguage(const QString &code);
// "zh_TW or en", for the messages that name them all.
QString LanguageCodes();
