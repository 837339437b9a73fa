#include "shell/FontFamilyAlias.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

using namespace quillmark;

namespace {

// The window's own font: the desktop's family, 8 points, semi-condensed.
QFont DialogFont(const QString& family) {
    QFont font(family);
    font.setPointSizeF(8.0);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

} // namespace

class FontFamilyAliasTest : public QObject {
    Q_OBJECT

private slots:
    // The point of the lookup: the toolkit must load exactly the font it would have found for
    // the stock name itself, or the window would change its look.
    void ResolvedFamilyLoadsTheSameFont() {
        const FontFamilyAlias alias = FontFamilyAlias::ResolveStockFamily();
        QCOMPARE(alias.Alias(), QStringLiteral("Sans Serif"));
        if (alias.Family().isEmpty()) {
            QSKIP("fontconfig knows no font here");
        }
        QVERIFY(alias.Family() != alias.Alias());
        for (const QFont& stock : {QFont(alias.Alias()), DialogFont(alias.Alias())}) {
            const QFont resolved = alias.Apply(stock);
            QCOMPARE(resolved.family(), alias.Family());
            QCOMPARE(resolved.pointSizeF(), stock.pointSizeF());
            QCOMPARE(resolved.stretch(), stock.stretch());
            const QFontInfo expected(stock);
            const QFontInfo actual(resolved);
            QCOMPARE(actual.family(), expected.family());
            QCOMPARE(actual.styleName(), expected.styleName());
            QCOMPARE(actual.pointSizeF(), expected.pointSizeF());
            // Loaded by its own name, not found again through fallbacks.
            QCOMPARE(actual.family(), alias.Family());
        }
    }

    void OtherFamiliesAreLeftAlone() {
        const FontFamilyAlias alias = FontFamilyAlias::ResolveStockFamily();
        const QFont monospace(QStringLiteral("Monospace"));
        QCOMPARE(alias.Apply(monospace), monospace);
        QFont withFallback;
        withFallback.setFamilies({alias.Alias(), QStringLiteral("Monospace")});
        QCOMPARE(alias.Apply(withFallback).families(), withFallback.families());
    }

    void UnresolvedAliasChangesNothing() {
        const QFont stock = DialogFont(QStringLiteral("Sans Serif"));
        QCOMPARE(FontFamilyAlias().Apply(stock), stock);
    }
};

QTEST_MAIN(FontFamilyAliasTest)
#include "fontFamilyAliasTest.moc"
