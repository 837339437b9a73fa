#include "shell/FontFamilyAlias.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace quillmark;

namespace {

// Set in one of the two CTest runs: the family a desktop configuration prefers for "Sans Serif".
constexpr char PreferenceVariable[] = "QUILLMARK_TEST_SANS_SERIF_PREFERENCE";

// A fontconfig configuration like the system's, with `family` preferred for "Sans Serif", in
// force for this process. Must run before anything loads the font configuration.
bool PreferForSansSerif(const QString& family, const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("fonts.conf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // The system's rules first turn "Sans Serif" into the generic "sans-serif"; this one then puts
    // `family` at the head of that generic's list, as a desktop's font settings do.
    file.write(QStringLiteral("<?xml version=\"1.0\"?>\n"
                              "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                              "<fontconfig>\n"
                              "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                              "  <match target=\"pattern\">\n"
                              "    <test name=\"family\"><string>sans-serif</string></test>\n"
                              "    <edit name=\"family\" mode=\"prepend_first\" "
                              "binding=\"strong\"><string>%1</string></edit>\n"
                              "  </match>\n"
                              "</fontconfig>\n")
                   .arg(family)
                   .toUtf8());
    file.close();
    return qputenv("FONTCONFIG_FILE", QFile::encodeName(path));
}

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

    // Run with a configuration that maps the stock name to another family: the lookup must follow
    // the desktop's rules, not assume the usual answer.
    void FollowsTheDesktopsPreference() {
        const QString preferred = qEnvironmentVariable(PreferenceVariable);
        if (preferred.isEmpty()) {
            QSKIP("run by the CTest entry that sets a font preference");
        }
        if (!QFontDatabase::hasFamily(preferred)) {
            QSKIP("the preferred family is not installed here");
        }
        QCOMPARE(FontFamilyAlias::ResolveStockFamily().Family(), preferred);
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Sans Serif"))).family(), preferred);
    }

    void UnresolvedAliasChangesNothing() {
        const QFont stock = DialogFont(QStringLiteral("Sans Serif"));
        QCOMPARE(FontFamilyAlias().Apply(stock), stock);
    }
};

int main(int argc, char** argv) {
    const QTemporaryDir folder;
    const QString preferred = qEnvironmentVariable(PreferenceVariable);
    if (!preferred.isEmpty() && !(folder.isValid() && PreferForSansSerif(preferred, folder))) {
        return 1;
    }
    QApplication application(argc, argv);
    FontFamilyAliasTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "fontFamilyAliasTest.moc"
