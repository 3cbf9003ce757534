// Each translation where its texts are shown, with its placeholders and only what the game's fonts can draw.
#include "common/cell_geometry.h"
#include "persist/data_files.h"
#include "platform/text/qt_text.h"
#include "platform/text/translations.h"
#include "render/clock.h"
#include "side_windows/form2.h"
#include "side_windows/form3.h"
#include "support/test_game.h"

#include <QTextLayout>
#include <QtTest>

namespace {

// The lines of a label's text as Qt lays them out in its box, each as wide
// as its glyphs reach, on the label's window.
QList<QRectF> textLines(const platform::Label& label)
{
    QTextLayout layout(QString(label.text()).replace(u'\n', QChar::LineSeparator), label.font());
    QTextOption option(label.alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const QRectF box = QRectF(label.contentsRect()).translated(label.pos());
    QList<QRectF> lines;
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        const qreal left = label.alignment() & Qt::AlignHCenter ? (box.width() - line.naturalTextWidth()) / 2 : 0;
        lines << QRectF(box.left() + left, box.top() + y, line.naturalTextWidth(), line.height());
        y += line.height();
    }
    layout.endLayout();
    return lines;
}

// Every text of a side window inside its own box and clear of everything
// else drawn there: pictures, the logo, shapes that do not hold it, and the
// lines of the other texts.
void expectTextsClear(const QWidget& window)
{
    QList<std::pair<const QWidget*, QList<QRectF>>> drawn;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<const platform::Label*>(child);
        drawn.push_back({child, label && !label->text().isEmpty() ? textLines(*label) : QList<QRectF> {child->geometry()}});
    }
    for (const auto& [widget, lines] : drawn) {
        const auto* label = qobject_cast<const platform::Label*>(widget);
        if (!label || label->text().isEmpty())
            continue;
        const QString where = label->text() + QStringLiteral(" in ") + window.windowTitle();
        for (const QRectF& line : lines) {
            QVERIFY2(QRectF(label->geometry()).contains(line), qPrintable(where));
            for (const auto& [other, otherLines] : drawn) {
                if (other == widget || other->geometry().contains(label->geometry()))
                    continue;
                for (const QRectF& covered : otherLines)
                    QVERIFY2(!line.intersects(covered), qPrintable(where + QStringLiteral(" meets a ")
                                                                   + other->metaObject()->className()));
            }
        }
    }
}

}  // namespace

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
        const QFontMetrics labels(platform::labelFont());
        for (const QRegularExpressionMatch& m : message.globalMatch(QString::fromUtf8(ts.readAll()))) {
            QVERIFY2(!m.captured(2).isEmpty(), qPrintable(m.captured(1)));
            for (const QChar c : QStringLiteral("123456789n"))  // the same placeholders, as often
                QVERIFY2(m.captured(2).count(u'%' + QString(c)) == m.captured(1).count(u'%' + QString(c)), qPrintable(m.captured(2)));
            for (const uint c : m.captured(2).toUcs4())  // every character has a glyph, in the fonts or their fallbacks
                QVERIFY2(c == u'\n' || (window.inFontUcs4(c) && labels.inFontUcs4(c)), qPrintable(m.captured(2)));
        }

        const platform::Translations translations {QLocale(language)};
        QVERIFY(!translations.language().isEmpty());
        QVERIFY(shownName(kNobody) != kNobody);
        for (const std::string& line : {clockLine({99, 59}), highScoreLine(32767, kNobody)})
            QVERIFY2(kTextLeft + window.horizontalAdvance(platform::qtText(line)) <= Form1::kInitialClientWidth, line.c_str());
        TestGame game;
        for (const auto open : {&Form2::open, &Form3::open}) {
            const platform::SideWindowRef side = open(game.form().sideWindowServices());
            const auto unload = qScopeGuard([&] { side->unload(); });
            expectTextsClear(*side);
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
