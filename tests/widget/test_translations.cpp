// Each translation where its texts are shown, with its placeholders and only what the main window can show.
#include "persist/data_files.h"
#include "platform/translations.h"
#include "render/clock.h"
#include "side_windows/form2.h"
#include "side_windows/form3.h"
#include "support/test_game.h"

#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTranslationFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& ts : QDir(QStringLiteral(ORVO_SOURCE_DIR "/translations")).entryList({"orvo_*.ts"}))
            QTest::newRow(qPrintable(ts)) << ts.mid(5).chopped(3);
    }

    void everyTranslationFits()
    {
        QFETCH(QString, language);
        QFile ts(QStringLiteral(ORVO_SOURCE_DIR "/translations/orvo_%1.ts").arg(language));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QRegularExpression message(QStringLiteral("<source>(.*?)</source>.*?<translation[^>]*>(.*?)</translation>"),
                                         QRegularExpression::DotMatchesEverythingOption);
        const QFontMetrics window(platform::ImageSurface::windowFont());
        for (const QRegularExpressionMatch& m : message.globalMatch(QString::fromUtf8(ts.readAll()))) {
            QVERIFY2(!m.captured(2).isEmpty(), qPrintable(m.captured(1)));
            for (const QChar c : QStringLiteral("123456789n"))  // the same placeholders, as often
                QVERIFY2(m.captured(2).count(u'%' + QString(c)) == m.captured(1).count(u'%' + QString(c)), qPrintable(m.captured(2)));
            for (const QChar c : m.captured(2))
                QVERIFY2(c.unicode() <= 0xFF && (c == u'\n' || window.inFont(c)), qPrintable(m.captured(2)));
        }

        const platform::Translations translations {QLocale(language)};
        QVERIFY(!translations.language().isEmpty());
        for (const std::string& line : {clockLine({99, 59}), highScoreLine(32767, translated("DataFiles", kNobody))})
            QVERIFY2(30 /* the lines' left edge */ + window.horizontalAdvance(QString::fromLatin1(line))
                         <= Form1::kInitialClientWidth, line.c_str());
        TestGame game;
        for (const auto open : {&Form2::open, &Form3::open}) {
            const platform::SideWindowRef side = open(game.form().sideWindowServices());
            const auto unload = qScopeGuard([&] { side->unload(); });
            for (const platform::Label* label : side->findChildren<platform::Label*>()) {
                const QRect box = label->contentsRect();
                QVERIFY2(box.contains(label->fontMetrics().boundingRect(box, label->alignment() | Qt::TextWordWrap,
                                                                         label->text())),
                         qPrintable(label->text()));
            }
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
