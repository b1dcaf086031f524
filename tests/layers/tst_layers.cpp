// Every #include of the program's sources points down the layers: core <- database <- widgets, report,
// devices, refdata <- framework <- modules <- app. A module never includes another module, and the four
// middle folders never include each other.
#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

namespace {
QString sourceDir() { return qEnvironmentVariable("SPORTS_SOURCE_DIR"); }

// The layer of a path relative to the source directory ("framework/ezi000.h"), or empty outside them.
QString layerOf(const QString &path)
{
    const QString top = path.section('/', 0, 0);
    if (top == "modules")
        return "modules/" + path.section('/', 1, 1);
    static const QStringList layers{"core", "database", "widgets", "report", "devices", "refdata", "framework", "app"};
    return layers.contains(top) ? top : QString();
}

int rank(const QString &layer)
{
    if (layer.startsWith("modules/"))
        return 4;
    static const QHash<QString, int> ranks{{"core", 0}, {"database", 1}, {"widgets", 2}, {"report", 2},
                                           {"devices", 2}, {"refdata", 2}, {"framework", 3}, {"app", 5}};
    return ranks.value(layer, -1);
}

// May a file of layer `from` include one of layer `to`?
bool allowed(const QString &from, const QString &to)
{
    if (from == to)
        return true;
    return rank(to) < rank(from);   // strictly lower: siblings (modules, the middle four) never meet
}

// Each violation as "file: included" for the sources under the source directory.
QStringList violations(const QString &root)
{
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    QStringList found;
    QDirIterator it(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QString file = base.relativeFilePath(it.next());
        const QString from = layerOf(file);
        if (from.isEmpty())
            continue;   // tests, benchmarks and the build tree may include anything
        QFile f(it.filePath());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (auto m = include.globalMatch(text); m.hasNext();) {
            const QString name = m.next().captured(1);
            // "x.h" beside the file, or a path from the source directory.
            const QString besides = QDir::cleanPath(QFileInfo(file).path() + '/' + name);
            const QString target = QFileInfo::exists(base.filePath(besides)) ? besides : QDir::cleanPath(name);
            const QString to = layerOf(target);
            if (!to.isEmpty() && !allowed(from, to))
                found << file + ": " + target;
        }
    }
    return found;
}
} // namespace

class TestLayers : public QObject {
    Q_OBJECT
private slots:
    void everyIncludePointsDown()
    {
        QVERIFY2(!sourceDir().isEmpty(), "SPORTS_SOURCE_DIR is not set");
        const QStringList bad = violations(sourceDir());
        QVERIFY2(bad.isEmpty(), qPrintable("includes against the layers:\n" + bad.join('\n')));
    }

    void theRulesThemselves()
    {
        QVERIFY(allowed("app", "modules/equipment"));
        QVERIFY(allowed("modules/lockers", "framework"));
        QVERIFY(allowed("framework", "devices"));
        QVERIFY(allowed("refdata", "database"));
        QVERIFY(allowed("database", "core"));
        QVERIFY(!allowed("modules/lockers", "modules/members"));
        QVERIFY(!allowed("widgets", "refdata"));
        QVERIFY(!allowed("framework", "modules/equipment"));
        QVERIFY(!allowed("core", "database"));
        QVERIFY(!allowed("refdata", "app"));

        // A planted violation is found.
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("widgets");
        QFile f(dir.filePath("widgets/grid.h"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#pragma once\n#include \"app/mainwindow.h\"\n#include \"core/utils.h\"\n");
        f.close();
        QCOMPARE(violations(dir.path()), QStringList{"widgets/grid.h: app/mainwindow.h"});
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
