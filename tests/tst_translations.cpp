// Every language is complete: lupdate gathers the source texts anew into a
// copy of each translation file, as a translator would get them, and every
// text there has its translation, with the same places (%1, %2...).

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Text {
    QString context, source, translation;
    bool finished = true;
};

// Each message of a translation file; a plural one once a form.
QList<Text> Messages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Text> texts;
    QString context;
    Text text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            text = {context, xml.readElementText(), QString(), true};
        else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value("type").toString();
            if (type == u"vanished" || type == u"obsolete")
                continue;
            QStringList forms;
            QString plain;
            while (!(xml.isEndElement() && xml.name() == u"translation") && !xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    plain += xml.text();
                else if (xml.isStartElement() && xml.name() == u"numerusform")
                    forms << xml.readElementText();
            }
            if (forms.isEmpty())
                forms << plain;
            for (const QString &form : std::as_const(forms))
                texts << Text{context, text.source, form, type.isEmpty()};
        }
    }
    return texts;
}

QStringList Places(const QString &text)
{
    QStringList places;
    for (const auto &match : QRegularExpression(QStringLiteral("%(\\d+|n)")).globalMatch(text))
        places << match.captured();
    places.sort();
    places.removeDuplicates();
    return places;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void complete_data();
    void complete();
    void noTextInThePagesScript();
};

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &name : QDir(ZARNI_SOURCE_DIR "/i18n").entryList({QStringLiteral("*.ts")}))
        QTest::newRow(qPrintable(name)) << QStringLiteral(ZARNI_SOURCE_DIR "/i18n/") + name;
}

void TestTranslations::complete()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(file).fileName());
    QVERIFY(QFile::copy(file, copy));
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QStringList arguments;
    for (const char *folder : {"model", "view", "frames", "app", "res", "framework"})
        arguments << QStringLiteral(ZARNI_SOURCE_DIR "/") + QLatin1String(folder);
    arguments << QStringLiteral("-extensions") << QStringLiteral("cpp") << QStringLiteral("-ts") << copy
              << QString(ZARNI_LUPDATE_OPTIONS).split(' ', Qt::SkipEmptyParts);
    QProcess lupdate;
    lupdate.start(QStringLiteral(ZARNI_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    const QList<Text> texts = Messages(copy);
    QVERIFY(texts.size() > 500);
    QStringList missing;
    for (const Text &text : texts) {
        if (!text.finished || text.translation.isEmpty())
            missing << text.context + ": " + text.source;
        else if (Places(text.source) != Places(text.translation))
            missing << text.context + ": " + text.source + " -> " + text.translation + " (its places)";
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
}

// The exported page's words come with its data from the catalogue: no
// string of its scripts is Chinese or a text of a translation file.
void TestTranslations::noTextInThePagesScript()
{
    QSet<QString> catalogue;
    for (const QString &name : QDir(ZARNI_SOURCE_DIR "/i18n").entryList({QStringLiteral("*.ts")}))
        for (const Text &text : Messages(QStringLiteral(ZARNI_SOURCE_DIR "/i18n/") + name))
            catalogue << text.source.trimmed() << text.translation.trimmed();
    catalogue.remove(QString());
    const QDir web(QStringLiteral(ZARNI_SOURCE_DIR "/res/web"));
    const QStringList scripts = web.entryList({QStringLiteral("*.js")});
    QVERIFY(!scripts.isEmpty());
    QStringList found;
    for (const QString &name : scripts) {
        QFile file(web.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString code = QString::fromUtf8(file.readAll());
        static const QRegularExpression literal(QStringLiteral("'([^'\\\\\\n]*)'|\"([^\"\\\\\\n]*)\""));
        for (const auto &match : literal.globalMatch(code)) {
            const QString text = (match.captured(1) + match.captured(2)).trimmed();
            const bool han = text.contains(QRegularExpression(QStringLiteral("\\p{Han}")));
            // A name the script uses (a kind, a style class) may be a word of English.
            const bool name = QRegularExpression(QStringLiteral("^[a-z][a-zA-Z0-9-]*$")).match(text).hasMatch();
            if (han || (catalogue.contains(text) && !name))
                found << name + ": " + text;
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
