// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// The program in the teacher's language: the desktop's list of languages
// chooses, every translation is complete and shows whole in the design's
// boxes, Qt's own texts come in the same language, and the read-out's decimal
// separator follows the region whatever the language.

#include "caption_fit.h"
#include "window_fixture.h"

#include "translations.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

using namespace korvane;
using korvane::test::control;

namespace {

// A row for each language the build ships, so that a new one is tested as it is added.
void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    const QString languages = QString::fromLatin1(TRANSLATION_LANGUAGES);
    for (const QString &language : languages.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QTest::newRow(qPrintable(language)) << language;
}

QSet<QString> placeholders(const QString &text)
{
    QSet<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

// The program's texts and Qt's in one language, for as long as the guard lives.
class Speaking
{
public:
    explicit Speaking(const QString &language)
    {
        loaded_ = loadTranslation(own_, language) && loadQtTranslation(qt_, language);
        QCoreApplication::installTranslator(&own_);
        QCoreApplication::installTranslator(&qt_);
    }
    ~Speaking()
    {
        QCoreApplication::removeTranslator(&qt_);
        QCoreApplication::removeTranslator(&own_);
    }
    Speaking(const Speaking &) = delete;
    Speaking &operator=(const Speaking &) = delete;
    bool loaded() const { return loaded_; }

private:
    QTranslator own_;
    QTranslator qt_;
    bool loaded_ = false;
};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void languageFollowsTheDesktop_data();
    void languageFollowsTheDesktop();
    void everyLanguageFitsTheDesign_data();
    void everyLanguageFitsTheDesign();
    void readOutFollowsTheRegion_data();
    void readOutFollowsTheRegion();
    void translationSourcesAreFinished_data();
    void translationSourcesAreFinished();
};

void TestTranslations::languageFollowsTheDesktop_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Czech desktop") << QStringList{"cs-CZ", "cs"} << "cs";
    QTest::newRow("Slovak desktop") << QStringList{"sk-SK"} << "sk";
    QTest::newRow("Austrian German") << QStringList{"de-AT", "de"} << "de";
    QTest::newRow("Canadian French") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("Mexican Spanish") << QStringList{"es-MX"} << "es";
    QTest::newRow("Polish, as LANG spells it") << QStringList{"pl_PL.UTF-8"} << "pl";
    QTest::newRow("unknown first, then Czech") << QStringList{"pt-BR", "cs-CZ"} << "cs";
    QTest::newRow("English before Czech") << QStringList{"en-GB", "cs-CZ"} << "";
    QTest::newRow("Czech before English") << QStringList{"cs-CZ", "en-US"} << "cs";
    QTest::newRow("no language the program has") << QStringList{"ja-JP", "pt-PT"} << "";
    QTest::newRow("C locale") << QStringList{"C"} << "";
    QTest::newRow("nothing set") << QStringList{} << "";
}

void TestTranslations::languageFollowsTheDesktop()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(chooseLanguage(uiLanguages), chosen);
}

void TestTranslations::everyLanguageFitsTheDesign_data()
{
    addLanguageRows();
}

void TestTranslations::everyLanguageFitsTheDesign()
{
    QFETCH(QString, language);
    const Speaking speaking(language);
    QVERIFY2(speaking.loaded(), "the program's or Qt's translation is missing");
    MainWindow shown;

    // Translated: a caption, an accessible name, a menu entry and Qt's Save dialog.
    QVERIFY(control<QGroupBox>(shown, "nNomKmitočet")->title() != QLatin1String("Number of slits"));
    QVERIFY(control<QPushButton>(shown, "cmdKonec")->accessibleDescription() != QLatin1String("Ends the program"));
    const QList<QAction *> menu = shown.findChild<QMenu *>(QStringLiteral("windowMenu"))->actions();
    QVERIFY(menu.constFirst()->text() != QLatin1String("Zoom in"));
    QVERIFY(QCoreApplication::translate("QFileDialog", "File &name:") != QLatin1String("File &name:"));

    for (const char *name : korvane::test::kCaptionedControls) {
        const QString cut = korvane::test::captionCut(control<QWidget>(shown, name));
        QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(QString::fromUtf8(name), cut)));
    }
    const QString label = QCoreApplication::translate("Korvane", labKlepnete.caption);
    const QString cut = korvane::test::labelCut(label);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    // The label sends the class to the button by its caption.
    const QString start = control<QPushButton>(shown, "cmdStart")->text();
    QVERIFY2(label.contains(start), qPrintable(QStringLiteral("\"%1\" does not name \"%2\"").arg(label, start)));
}

void TestTranslations::readOutFollowsTheRegion_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("readOut");
    QTest::newRow("English texts, Czech numbers") << "" << "cs_CZ" << "3,18";
    QTest::newRow("Czech texts, English numbers") << "cs" << "en_GB" << "3.18";
    QTest::newRow("Czech texts, Czech numbers") << "cs" << "cs_CZ" << "3,18";
    QTest::newRow("German texts, Swiss numbers") << "de" << "de_CH" << "3.18";
    QTest::newRow("Spanish texts, Mexican numbers") << "es" << "es_MX" << "3.18";
    QTest::newRow("French texts, French numbers") << "fr" << "fr_FR" << "3,18";
}

void TestTranslations::readOutFollowsTheRegion()
{
    QFETCH(QString, language);
    QFETCH(QString, region);
    QFETCH(QString, readOut);
    const QLocale before;
    QLocale::setDefault(QLocale(region));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    const Speaking speaking(language);
    MainWindow window;
    QCOMPARE(test::text(window, "nRelKmitočet"), readOut);
}

void TestTranslations::translationSourcesAreFinished_data()
{
    addLanguageRows();
}

// What Qt Linguist would flag before a release: an entry not translated yet,
// one whose source text is gone, a placeholder lost or a trailing space that
// the design's layout counts on.
void TestTranslations::translationSourcesAreFinished()
{
    QFETCH(QString, language);
    QFile file(QStringLiteral(TRANSLATIONS_DIR "/korvane_%1.ts").arg(language));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("TS")) {
            QCOMPARE(xml.attributes().value(QLatin1String("language")).toString(), language);
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            ++messages;
            QVERIFY2(type.isEmpty(), qPrintable(QStringLiteral("%1: \"%2\"").arg(type, source)));
            // A text said of a count has a form for each of the language's plurals.
            QStringList forms;
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("translation")) {
                if (xml.isCharacters() && !xml.isWhitespace())
                    forms << xml.text().toString();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    forms << xml.readElementText();
            }
            QVERIFY2(!forms.isEmpty(), qPrintable(QStringLiteral("empty: \"%1\"").arg(source)));
            for (const QString &translation : std::as_const(forms)) {
                QVERIFY2(!translation.isEmpty(), qPrintable(QStringLiteral("empty: \"%1\"").arg(source)));
                QVERIFY2(placeholders(translation) == placeholders(source),
                         qPrintable(QStringLiteral("placeholders differ: \"%1\"").arg(translation)));
                QVERIFY2(translation.endsWith(QLatin1Char(' ')) == source.endsWith(QLatin1Char(' ')),
                         qPrintable(QStringLiteral("trailing space differs: \"%1\"").arg(translation)));
            }
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 0);
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
