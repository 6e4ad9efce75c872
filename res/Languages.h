#pragma once
// The languages of the interface, a row each, read by the 語言 menu,
// --lang, the `language` statement, the settings and the help. The texts in
// the sources are the first row's; each other row has its translation file
// (i18n/zarni_CODE.ts).

#include <QLocale>
#include <QString>
#include <vector>

struct Language {
    const char *code;        // as --lang and the settings say it: "zh_TW"
    const char *name;        // in itself, as the menu shows it: "繁體中文"
    const char *prompt;      // the menu item's status text and tooltip (translated as "Strings")
    const char *ownFile;     // our translation (":/i18n"), none for the sources' texts
    const char *toolkitFile; // the toolkit's own (its translations folder), none for English
    const char *labelFace;   // the face that draws the labels and the interface's texts
    const char *voice;       // a voice to speak with where speech knows no locale of the language
    QLocale::Language language;
    QLocale::Territory territory;
    int command; // its item in the 語言 menu
};

const std::vector<Language> &Languages();
// The row of a code, or null.
const Language *FindLanguage(const QString &code);
// The row of a locale (as SetLanguage makes the default), or null.
const Language *LanguageOfLocale(const QLocale &locale);
// The row of a 語言 menu item, or null.
const Language *LanguageOfCommand(int command);
// "zh_TW, zh_CN or en", for the messages that name them all.
QString LanguageCodes();
